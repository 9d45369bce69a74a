// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the script read from standard input minified (Debian's node-terser): comments and
// blanks gone, local names shortened, the page's globals kept as they are named.
const {minify} = require('terser');
let text = '';
process.stdin.setEncoding('utf8');
process.stdin.on('data', chunk => { text += chunk; });
process.stdin.on('end', async () => {
    const result = await minify(text, {compress: true, mangle: true});
    process.stdout.write(result.code);
});
