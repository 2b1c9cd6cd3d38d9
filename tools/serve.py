#!/usr/bin/env python3
"""Serves the page's folder on 127.0.0.1 with the media types a browser
insists on for WebAssembly and the manifest, each file's gzip copy to a
browser that takes it, and a cache policy per file: the page and the worker
are checked on every load, the files the page names with its release may be
kept for good, and the rest for a day."""
import functools
import http.server
import os
import sys
import urllib.parse

REVALIDATED = ("/", "/index.html", "/service_worker.js")


class PageHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                      ".js": "text/javascript"}

    def send_head(self):
        url = urllib.parse.urlsplit(self.path)
        self.cache_control = ("no-cache" if url.path in REVALIDATED else
                              "public, max-age=31536000, immutable" if "r=" in url.query else
                              "public, max-age=86400")
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        self.gzipped = "gzip" in self.headers.get("Accept-Encoding", "") and os.path.isfile(path + ".gz")
        if not self.gzipped:
            return super().send_head()
        self.path = url.path.rstrip("/") + ("/index.html" if url.path.endswith("/") else "") + ".gz"
        self.gzip_type = self.guess_type(path)
        return super().send_head()

    def guess_type(self, path):
        if getattr(self, "gzipped", False) and path.endswith(".gz"):
            return self.gzip_type
        return super().guess_type(path)

    # Headers a host adds to every answer (such as its own Content-Security-Policy).
    host_headers = {}

    def end_headers(self):
        for name, value in self.host_headers.items():
            self.send_header(name, value)
        if hasattr(self, "cache_control"):
            self.send_header("Cache-Control", self.cache_control)
            self.send_header("Vary", "Accept-Encoding")
            if self.gzipped:
                self.send_header("Content-Encoding", "gzip")
        super().end_headers()

    def log_message(self, *args):
        pass


def make_server(directory, port=0, host_headers=None):
    handler = functools.partial(type("Host", (PageHandler,), {"host_headers": host_headers or {}}), directory=directory)
    return http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)


if __name__ == "__main__":
    server = make_server(sys.argv[1], int(sys.argv[2]))
    print(f"Orvane: http://127.0.0.1:{server.server_address[1]}/", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
