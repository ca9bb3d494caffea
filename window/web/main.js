// Form1 in the page: the area command on Command2 and on Enter in a box, Exit
// on Command1. The form itself is in the HTML, from the same table as the
// desktop's windows.

import { areaCommand, isReady, ready } from './calculator.js';
import { showErrorReport } from './error_report.js';
import { keepForOffline } from './offline.js';
import { endProgram } from './program_end.js';
import { copyResultOnAltC, showResult } from './result.js';

const form = document.getElementById('Form1');
const boxes = ['Text1', 'Text2', 'Text3'].map((id) => document.getElementById(id));
// Where the module could not be loaded (offline before a first visit ended)
// or failed.
const moduleUnavailable = {
  errorTitle: 'Ошибка',
  errorText: 'Модуль вычислений недоступен. Обновите страницу.',
};
let waiting = 0;

async function Command2_Click() {
  // The sides as they stand when the button is pressed.
  const sides = boxes.map((box) => box.value);
  const visiblyWaiting = !isReady();
  if (visiblyWaiting) {
    waiting += 1;
    form.setAttribute('aria-busy', 'true');
  }
  try {
    const outcome = await areaCommand(...sides);
    (outcome.failed ? showErrorReport : showResult)(outcome);
  } catch {
    // Where the browser cannot run the module, the note under the form says
    // so already (support.js).
    if (document.getElementById('unsupported').hidden) {
      showErrorReport(moduleUnavailable);
    }
  } finally {
    if (visiblyWaiting && --waiting === 0) {
      form.removeAttribute('aria-busy');
    }
  }
}

// Command2 is the form's submit button, so Enter in a box presses it too.
form.addEventListener('submit', (event) => {
  event.preventDefault();
  Command2_Click();
});
// A press made before this script ran came as the form's own submission,
// with the sides in the address: it is answered now.
const asked = new URLSearchParams(location.search);
if (boxes.every((box) => asked.has(box.name))) {
  boxes.forEach((box) => {
    box.value = asked.get(box.name);
  });
  history.replaceState(null, '', location.pathname);
  Command2_Click();
}
document.getElementById('Command1').addEventListener('click', endProgram);
copyResultOnAltC();
keepForOffline(ready);
