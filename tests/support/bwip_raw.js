// bwip-js, an independent encoder, asked for a symbol's raw encoding and
// printed as one line: "grid COLUMNS ROWS BITS", "bars W,W,..." or "states LETTERS".
//   node bwip_raw.js MODULE_DIR ENCODER TEXT [OPTIONS]
const bwip = require(process.argv[2]);
const [encoder, text, options] = process.argv.slice(3);
const raw = bwip.raw(encoder, text, options || '')[0];
if (raw.pixs) {
  // One line a distinct row: pixy counts the rows of bound symbols by height.
  console.log(`grid ${raw.pixx} ${raw.pixs.length / raw.pixx} ${raw.pixs.join('')}`);
} else if (raw.bhs && new Set(raw.bhs.map((h, i) => h + ',' + raw.bbs[i])).size > 1) {
  // Bars of several heights: the states by which ends each bar reaches.
  const tops = raw.bhs.map((h, i) => h + raw.bbs[i]);
  const top = Math.max(...tops), bottom = Math.min(...raw.bbs);
  const near = (a, b) => Math.abs(a - b) < 1e-6;
  const states = raw.bbs.map((b, i) => {
    const up = near(tops[i], top), down = near(b, bottom);
    return up && down ? 'F' : up ? 'A' : down ? 'D' : 'T';
  });
  console.log(`states ${states.join('')}`);
} else {
  console.log(`bars ${raw.sbs.join(',')}`);
}
