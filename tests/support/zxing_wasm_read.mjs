// A zxing-cpp 3 reader (the npm package zxing-wasm) for the symbologies the
// Debian reader does not read: one line per symbol,
// "FORMAT\tIDENTIFIER\tECLEVEL\tVERSION\tTEXT" (for Aztec the level is the
// share of error-correction codewords, as "61%", and the version its layers).
//   node zxing_wasm_read.mjs NPM_PREFIX IMAGE
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
const [moduleDir, image] = process.argv.slice(2);
const require = createRequire(moduleDir + "/");
const { readBarcodes, prepareZXingModule } = require("zxing-wasm/reader");
// The reader would fetch its WebAssembly over the network; it is in the package.
const wasm = readFileSync(require.resolve("zxing-wasm/reader/zxing_reader.wasm"));
prepareZXingModule({ overrides: { wasmBinary: wasm }, fireImmediately: true });
const results = await readBarcodes(new Uint8Array(readFileSync(image)), { tryHarder: true, formats: [] });
for (const r of results) console.log(`${r.format}\t${r.symbologyIdentifier}\t${r.ecLevel}\t${r.version}\t${r.text}`);
