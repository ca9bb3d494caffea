// Exit ends the program at once, asking nothing: an installed app's window
// closes; a tab, which a page may not close, shows that the program has ended
// until a reload starts it again.

const installed = '(display-mode: standalone), (display-mode: minimal-ui), '
  + '(display-mode: fullscreen), (display-mode: window-controls-overlay)';

export function endProgram() {
  document.getElementById('Form1').remove();
  const note = document.getElementById('ended');
  note.hidden = false;
  note.focus();
  if (matchMedia(installed).matches) {
    window.close();
  }
}
