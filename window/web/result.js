// The result label and what a screen reader says of it.

const label = document.getElementById('Label4');
const announcement = document.getElementById('announcement');

export function showResult({ caption, spokenCaption }) {
  label.textContent = caption;
  // A new node each time, so that the same result twice is announced twice.
  const spoken = document.createElement('span');
  spoken.textContent = spokenCaption;
  announcement.replaceChildren(spoken);
}

// Alt+C copies the whole result wherever the focus is, as Ctrl+Shift+C does
// on the desktop; browsers keep Ctrl+Shift+C for their developer tools.
export function copyResultOnAltC() {
  label.setAttribute('aria-keyshortcuts', 'Alt+C');
  document.addEventListener('keydown', (event) => {
    if (event.code !== 'KeyC' || !event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) {
      return;
    }
    event.preventDefault();
    if (navigator.clipboard) {
      navigator.clipboard.writeText(label.textContent).catch(() => selectResult());
    } else {
      selectResult();
    }
  });
}

// Where the page may not write to the clipboard, the result is selected for
// Ctrl+C instead.
function selectResult() {
  getSelection().selectAllChildren(label);
}
