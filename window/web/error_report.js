// The error report as a modal dialog over the form: Enter or Escape closes it,
// focus goes back where it was, and the page goes on. Reports that come while
// one is shown follow it.

const dialog = document.getElementById('error-report');
const title = document.getElementById('error-title');
const text = document.getElementById('error-text');
let shown = Promise.resolve();

export function showErrorReport({ errorTitle, errorText }) {
  shown = shown.then(() => new Promise((closed) => {
    const returnTo = document.activeElement;
    title.textContent = errorTitle;
    text.textContent = errorText;
    dialog.addEventListener('close', () => {
      returnTo?.focus();
      closed();
    }, { once: true });
    dialog.showModal();
  }));
}
