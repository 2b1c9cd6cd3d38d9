#!/usr/bin/env python3
"""Serves the page's folder on 127.0.0.1 with the media types a browser
insists on for WebAssembly and the manifest."""
import functools
import http.server
import sys


class PageHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                      ".js": "text/javascript"}

    def log_message(self, *args):
        pass


def make_server(directory, port=0):
    handler = functools.partial(PageHandler, directory=directory)
    return http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)


if __name__ == "__main__":
    server = make_server(sys.argv[1], int(sys.argv[2]))
    print(f"Orvane: http://127.0.0.1:{server.server_address[1]}/", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
