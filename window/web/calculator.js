// The area command of the program's C++ core, compiled to WebAssembly. The
// module starts loading at once; a command asked for before it is ready is
// answered as soon as it is, in the order asked.

const module = import('./area.js').then((glue) => glue.default());
let loaded = false;
module.then(() => {
  loaded = true;
}, () => {});

// The decimal separator of the browser's locale, as the desktop takes the
// system's.
const decimalSeparator = new Intl.NumberFormat()
  .formatToParts(1.5)
  .find((part) => part.type === 'decimal').value;

export const ready = module.then(() => {});

export function isReady() {
  return loaded;
}

// The caption and its spoken form, or the error report: see area_binding.cpp.
export async function areaCommand(text1, text2, text3) {
  return (await module).areaCommand(text1, text2, text3, decimalSeparator);
}
