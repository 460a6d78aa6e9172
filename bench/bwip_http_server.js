// bwip-js's own HTTP handler, served by node's http module, for the service's
// load test to compare with: GET /?bcid=ean13&text=5901234123457 answers a PNG.
//   node bench/bwip_http_server.js PORT
const http = require('http');
const bwipjs = require('bwip-js');

http.createServer((request, response) => bwipjs.request(request, response))
  .listen(Number(process.argv[2]), '127.0.0.1');
