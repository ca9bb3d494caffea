// Whether this browser can run the program, asked at load in a classic script
// of the oldest syntax, so that a browser that cannot even read the page's
// modules gets the answer too. Where it cannot, the form stays, its button is
// off (a press would only reload the page), and a note says which browsers
// run the program: a reload would not help here.
(function () {
  'use strict';

  // A function that throws and catches an exception of its own, as the
  // core's module does: refused where WebAssembly has no exceptions, or where
  // the page's policy keyword for it is unknown.
  var probe = new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0, 1, 4, 1, 96, 0, 0, 3, 2, 1, 0,
    13, 3, 1, 0, 0, 10, 11, 1, 9, 0, 6, 64, 8, 0, 7, 0, 11, 11]);

  function unsupported() {
    var note = document.getElementById('unsupported');
    document.getElementById('Command2').disabled = true;
    note.hidden = false;
    note.focus();
  }

  try {
    if (!window.HTMLDialogElement || !HTMLDialogElement.prototype.showModal) {
      throw new Error('no dialog');
    }
    WebAssembly.compile(probe).then(null, unsupported);
  } catch (error) {
    unsupported();
  }
}());
