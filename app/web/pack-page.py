#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs a page into one HTML file that needs nothing beside it: its style with the faces as
# data, its icon, its scripts and its WebAssembly, all inline. A Content-Security-Policy in
# the page allows only those inline parts (by their hashes), WebAssembly compiled from them,
# and faces and pictures given as data: the browser refuses any request, to the network or to
# a file, before it is made. The WebAssembly is packed gzipped and inflated by the page.
#
# With --served, the page is the start of a folder to serve instead: it also names its web
# app manifest and registers the service worker that keeps the folder's files for use offline,
# and sw.js, that service worker, is written beside it, named after the page's content so that
# a new page replaces the files kept.
#
# Usage: pack-page.py --template PAGE.html --out OUT.html [--style CSS]... [--early-script JS]...
#                     [--script JS]... [--wasm MODULE.wasm] [--font NAME=FONT.woff2]...
#                     [--icon ICON.svg] [--served]
# The template holds <!--head--> and <!--scripts-->, where the packed parts go. In the style,
# @font(NAME) stands for the face given as NAME. The early scripts run first, in their order,
# after `Module` holds the WebAssembly being compiled; then the scripts, as one script.
import argparse
import base64
import gzip
import hashlib
import html
import pathlib


def data_url(kind, content):
    return f'data:{kind};base64,{base64.b64encode(content).decode()}'


def csp_hash(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


arguments = argparse.ArgumentParser()
arguments.add_argument('--template', required=True, type=pathlib.Path)
arguments.add_argument('--out', required=True, type=pathlib.Path)
arguments.add_argument('--style', action='append', default=[], type=pathlib.Path)
arguments.add_argument('--script', action='append', default=[], type=pathlib.Path)
arguments.add_argument('--early-script', action='append', default=[], type=pathlib.Path)
arguments.add_argument('--wasm', type=pathlib.Path)
arguments.add_argument('--font', action='append', default=[])
arguments.add_argument('--icon', type=pathlib.Path)
arguments.add_argument('--served', action='store_true')
options = arguments.parse_args()

style = ''.join(path.read_text(encoding='utf-8') for path in options.style)
for font in options.font:
    name, path = font.split('=', 1)
    style = style.replace(f'@font({name})', f'url({data_url("font/woff2", pathlib.Path(path).read_bytes())})')

# Two scripts: the first starts what takes longest, inflating and compiling the WebAssembly
# and its own early scripts, while the browser still reads the second, which holds the rest.
early = ''
if options.wasm:
    # The WebAssembly goes in gzipped, a third of its size, and the page inflates it with the
    # browser's own DecompressionStream; the glue that emscripten writes takes it from here and
    # so fetches nothing.
    wasm = base64.b64encode(gzip.compress(options.wasm.read_bytes(), compresslevel=9, mtime=0)).decode()
    early += ('var Module={compiled:(()=>{'
              f'const text=atob("{wasm}"),bytes=new Uint8Array(text.length);'
              'for(let i=0;i<text.length;++i)bytes[i]=text.charCodeAt(i);'
              'return new Response(new Blob([bytes]).stream().pipeThrough(new DecompressionStream("gzip")))'
              '.arrayBuffer().then(wasm=>WebAssembly.compile(wasm));})(),'
              'instantiateWasm(imports,receive){Module.compiled.then(module=>WebAssembly.instantiate(module,imports)'
              '.then(instance=>receive(instance,module)));return{};}};\n')
for path in options.early_script:
    early += path.read_text(encoding='utf-8') + '\n'
script = ''
for path in options.script:
    script += path.read_text(encoding='utf-8') + '\n'
if options.served:
    script += "if('serviceWorker' in navigator)navigator.serviceWorker.register('sw.js');\n"
# A script's text must not end its element early.
scripts = [text.replace('</script', '<\\/script') for text in (early, script) if text]

hashes = ' '.join(csp_hash(text) for text in scripts)
policy = ["default-src 'none'", f"script-src {hashes} 'wasm-unsafe-eval'", f"style-src {csp_hash(style)}",
          'font-src data:', 'img-src data:', "base-uri 'none'", "form-action 'none'"]
if options.served:
    policy += ["manifest-src 'self'", "worker-src 'self'"]
    policy[policy.index('img-src data:')] = "img-src data: 'self'"  # the manifest's icon
head = [f'<meta http-equiv="Content-Security-Policy" content="{"; ".join(policy)}">',
        '<meta http-equiv="x-dns-prefetch-control" content="off">']
if options.icon:
    head.append(f'<link rel="icon" href="{html.escape(data_url("image/svg+xml", options.icon.read_bytes()))}">')
if options.served:
    head.append('<link rel="manifest" href="manifest.webmanifest">')
head.append(f'<style>{style}</style>')

page = options.template.read_text(encoding='utf-8')
page = page.replace('<!--head-->', '\n'.join(head))
page = page.replace('<!--scripts-->', '\n'.join(f'<script>{text}</script>' for text in scripts))
options.out.write_text(page, encoding='utf-8')
if options.served:
    worker = (pathlib.Path(__file__).parent / 'sw.js').read_text(encoding='utf-8')
    version = hashlib.sha256(page.encode()).hexdigest()[:16]
    (options.out.parent / 'sw.js').write_text(worker.replace('@VERSION@', version), encoding='utf-8')
