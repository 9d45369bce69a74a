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
#                     [--module-script NAME=JS]... [--script JS]... [--wasm MODULE.wasm]
#                     [--font NAME=FONT.woff2]...
#                     [--icon ICON.svg] [--served] [--snapshot SNAPSHOT.json] [--minify [--node NODE]]
# The template holds <!--head--> and <!--scripts-->, where the packed parts go. In the style,
# @font(NAME) stands for the face given as NAME. The early scripts run first, in their order,
# after `Module` holds the WebAssembly being compiled; then the scripts, as one script: first
# the module scripts of each NAME, joined in their order in one closure that shares their names
# and gives the global NAME, the object that they put what they export on, then the others. A
# snapshot (snapshot.mjs) puts the window that the program shows first before the scripts,
# and its style into the page's. --minify minifies the scripts (minify.cjs, under NODE).
import argparse
import base64
import gzip
import hashlib
import html
import json
import os
import pathlib
import shutil
import subprocess


def data_url(kind, content):
    return f'data:{kind};base64,{base64.b64encode(content).decode()}'


def gzipped(path):
    """The file gzipped: by zopfli, a twentieth smaller, where it is installed."""
    if shutil.which('zopfli'):
        return subprocess.run(['zopfli', '--gzip', '-c', str(path)], check=True, capture_output=True).stdout
    return gzip.compress(path.read_bytes(), compresslevel=9, mtime=0)


def minified(text):
    if not text:
        return text
    environment = dict(os.environ, NODE_PATH='/usr/share/nodejs')
    return subprocess.run([options.node, str(pathlib.Path(__file__).parent / 'minify.cjs')], input=text, text=True,
                          check=True, capture_output=True, env=environment).stdout + '\n'


def csp_hash(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


arguments = argparse.ArgumentParser()
arguments.add_argument('--template', required=True, type=pathlib.Path)
arguments.add_argument('--out', required=True, type=pathlib.Path)
arguments.add_argument('--style', action='append', default=[], type=pathlib.Path)
arguments.add_argument('--script', action='append', default=[], type=pathlib.Path)
arguments.add_argument('--early-script', action='append', default=[], type=pathlib.Path)
arguments.add_argument('--module-script', action='append', default=[])
arguments.add_argument('--wasm', type=pathlib.Path)
arguments.add_argument('--font', action='append', default=[])
arguments.add_argument('--icon', type=pathlib.Path)
arguments.add_argument('--served', action='store_true')
arguments.add_argument('--snapshot', type=pathlib.Path)
arguments.add_argument('--minify', action='store_true')
arguments.add_argument('--node', default='node')
options = arguments.parse_args()

style = ''.join(path.read_text(encoding='utf-8') for path in options.style)
snapshot = json.loads(options.snapshot.read_text(encoding='utf-8')) if options.snapshot else None
if snapshot:
    style += snapshot['style'] + '\n'

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
    wasm = base64.b64encode(gzipped(options.wasm)).decode()
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
modules = {}
for module in options.module_script:
    name, path = module.split('=', 1)
    modules.setdefault(name, []).append(pathlib.Path(path))
for name, paths in modules.items():
    script += f"var {name}=(()=>{{'use strict';const {name}={{}};\n"
    script += ''.join(path.read_text(encoding='utf-8') + '\n' for path in paths)
    script += f'return {name};}})();\n'
for path in options.script:
    script += path.read_text(encoding='utf-8') + '\n'
if options.served:
    script += "if('serviceWorker' in navigator)navigator.serviceWorker.register('sw.js');\n"
if options.minify:
    early, script = minified(early), minified(script)
# A script's text must not end its element early.
scripts = [text.replace('</script', '<\\/script') for text in (early, script) if text]

if snapshot:
    # The scripts wait, unread, until the copy of the first window has been painted: a last
    # script starts them then, each as a script of the same text, which the policy allows by
    # its hash. Where the browser reports no paint (a page opened behind others), a second on.
    start = ('let started=false;const start=()=>{if(started)return;started=true;'
             f'for(let i=0;i<{len(scripts)};++i){{const s=document.createElement("script");'
             's.textContent=document.getElementById("script-"+i).textContent;document.body.append(s);}};'
             'if(PerformanceObserver.supportedEntryTypes?.includes("paint"))new PerformanceObserver((list,o)=>{'
             'if(list.getEntriesByName("first-contentful-paint").length){o.disconnect();setTimeout(start);}})'
             '.observe({type:"paint",buffered:true});else requestAnimationFrame(()=>setTimeout(start));'
             'setTimeout(start,1000);')
    scripts.append(start)

hashes = ' '.join(csp_hash(text) for text in scripts)
policy = ["default-src 'none'", f"script-src {hashes} 'wasm-unsafe-eval'", f"style-src {csp_hash(style)}",
          'font-src data:', 'img-src data:', "base-uri 'none'", "form-action 'none'"]
if options.served:
    policy += ["manifest-src 'self'", "worker-src 'self'"]
    policy[policy.index('img-src data:')] = "img-src data: 'self'"  # the manifest's icons
head = [f'<meta http-equiv="Content-Security-Policy" content="{"; ".join(policy)}">',
        '<meta http-equiv="x-dns-prefetch-control" content="off">']
if options.icon:
    head.append(f'<link rel="icon" href="{html.escape(data_url("image/svg+xml", options.icon.read_bytes()))}">')
if options.served:
    head.append('<link rel="manifest" href="manifest.webmanifest">')
    head.append('<link rel="apple-touch-icon" href="apple-touch-icon.png">')
head.append(f'<style>{style}</style>')

page = options.template.read_text(encoding='utf-8')
page = page.replace('<!--head-->', '\n'.join(head))
if snapshot:
    blocks = ''.join(f'<script type="text/plain" id="script-{i}">{text}</script>\n' for i, text in enumerate(scripts[:-1]))
    page = page.replace('<!--scripts-->', snapshot['markup'] + '\n' + blocks + f'<script>{scripts[-1]}</script>')
else:
    page = page.replace('<!--scripts-->', '\n'.join(f'<script>{text}</script>' for text in scripts))
options.out.write_text(page, encoding='utf-8')
if options.served:
    worker = (pathlib.Path(__file__).parent / 'sw.js').read_text(encoding='utf-8')
    version = hashlib.sha256(page.encode()).hexdigest()[:16]
    (options.out.parent / 'sw.js').write_text(worker.replace('@VERSION@', version), encoding='utf-8')
