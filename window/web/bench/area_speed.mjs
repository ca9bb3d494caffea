// The area command as the page runs it under Node, beside the native one, on
// the same sides in one run: the command alone in WebAssembly, and the call
// the page makes through embind with its strings.
//   node --no-experimental-fetch area_speed.mjs WEB_BUILD CALCULATION_BENCH
// WEB_BUILD is the web build's folder (build/web-build); CALCULATION_BENCH the
// native build's bench/calculation_bench.

import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { resolve } from 'node:path';

const [webBuild, nativeBench] = process.argv.slice(2);
const built = (file) => resolve(webBuild, 'window/web', file);
// The sides of calculation_bench's BM_AreaCommand, BM_AreaCommandExact and
// BM_AreaCommandThinTyped.
const sets = {
  BM_AreaCommand: [['1', '1', '1'], ['3', '4', '5'], ['2', '3', '4'], ['5', '5', '8'],
    ['1', '1', '3'], ['100000', '100000', '100000']],
  BM_AreaCommandExact: [['0.1', '0.2', '0.30000000000000004'],
    ['43853.9894764888', '58573359.391144134', '58573451.61248723'],
    ['1e100', '1e100', '1e100'], ['1e154', '1e154', '1e154'], ['1e300', '1e300', '1e-300'],
    ['1', '2', '3']],
  BM_AreaCommandThinTyped: [['10000', '5000.000001', '15000'],
    ['88411.488499', '83904.448457', '4507.040043'],
    ['37256.599', '88699580.565', '88736837.1639'],
    ['1234567.891011', '7654321.0123456', '8888888.9024'],
    ['0.1', '0.2', '0.29999999999999999'],
    ['100000.00000001', '99999.999999999', '0.000000021']],
};

// This emscripten's ES module for node looks for __dirname: the node build
// is a CommonJS module.
const module = await createRequire(import.meta.url)(built('area_node.js'))();

function throughEmbind(sides) {
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

const alone = Object.fromEntries(execFileSync(process.execPath,
  ['--no-experimental-fetch', built('command_speed.js')], { encoding: 'utf8' })
  .trim().split('\n').map((line) => line.split(' ')).map(([name, ns]) => [name, Number(ns)]));
const native = JSON.parse(execFileSync(nativeBench, [
  '--benchmark_filter=^BM_AreaCommand(Exact|ThinTyped)?$', '--benchmark_format=json',
  '--benchmark_repetitions=3', '--benchmark_report_aggregates_only=true',
], { encoding: 'utf8' })).benchmarks;

for (const [name, sides] of Object.entries(sets)) {
  const median = native.find((run) => run.run_name === name && run.aggregate_name === 'median');
  const nativeNs = median.cpu_time / sides.length;
  const embindNs = throughEmbind(sides);
  console.log(`${name}, ns per command: native ${nativeNs.toFixed(0)}; wasm under node `
    + `${alone[name]} (${(alone[name] / nativeNs).toFixed(2)}x), through embind `
    + `${embindNs.toFixed(0)} (${(embindNs / nativeNs).toFixed(2)}x)`);
}
