// The area command as the page runs it (WebAssembly, through embind) under
// Node, beside the native command, on the same sides in one run:
//   node --no-experimental-fetch area_speed.mjs AREA_NODE.js CALCULATION_BENCH
// AREA_NODE.js is the web build's area_node.js; CALCULATION_BENCH the native
// build's bench/calculation_bench.

import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { resolve } from 'node:path';

const [moduleFile, nativeBench] = process.argv.slice(2);
// The sides of calculation_bench's BM_AreaCommand and BM_AreaCommandExact.
const sets = {
  BM_AreaCommand: [['1', '1', '1'], ['3', '4', '5'], ['2', '3', '4'], ['5', '5', '8'],
    ['1', '1', '3'], ['100000', '100000', '100000']],
  BM_AreaCommandExact: [['0.1', '0.2', '0.30000000000000004'],
    ['43853.9894764888', '58573359.391144134', '58573451.61248723'],
    ['1e100', '1e100', '1e100'], ['1e154', '1e154', '1e154'], ['1e300', '1e300', '1e-300'],
    ['1', '2', '3']],
};

const createModule = createRequire(import.meta.url)(resolve(moduleFile));
const module = await createModule();

function nanosecondsPerCommand(sides) {
  const run = (rounds) => {
    const start = process.hrtime.bigint();
    for (let round = 0; round < rounds; round += 1) {
      for (const [a, b, c] of sides) {
        module.areaCommand(a, b, c, ',');
      }
    }
    return Number(process.hrtime.bigint() - start) / (rounds * sides.length);
  };
  run(2000); // warm-up: the engine's optimising tiers
  return Math.min(run(20000), run(20000), run(20000));
}

const native = JSON.parse(execFileSync(nativeBench, [
  '--benchmark_filter=^BM_AreaCommand(Exact)?$', '--benchmark_format=json',
  '--benchmark_repetitions=3', '--benchmark_report_aggregates_only=true',
], { encoding: 'utf8' })).benchmarks;

for (const [name, sides] of Object.entries(sets)) {
  const nativeRun = native.find((run) => run.run_name === name && run.aggregate_name === 'median');
  const nativeNs = nativeRun.cpu_time / sides.length;
  const wasmNs = nanosecondsPerCommand(sides);
  console.log(`${name}: native ${nativeNs.toFixed(0)} ns, wasm under node ${wasmNs.toFixed(0)} ns `
    + `per command: ${(wasmNs / nativeNs).toFixed(2)}x`);
}
