# Orvane's front door. `make run` and `make test` install what is missing,
# configure into build/, build, and then run the calculator or the tests.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Debian packages the build, the program and its tests need.
PACKAGES := cmake make g++ pkg-config python3 libmpfr-dev libfontconfig-dev \
            libgtest-dev libgmock-dev \
            qt6-base-dev librsvg2-bin \
            qt6-wayland fonts-ipafont-gothic fonts-dejavu-core xvfb xauth \
            desktop-file-utils appstream \
            openbox xfwm4 wmctrl xdotool xclip x11-xkb-utils x11-utils weston mutter imagemagick \
            qt6-tools-dev qt6-l10n-tools \
            dbus-daemon dbus-bin at-spi2-core python3-pyatspi orca speech-dispatcher \
            speech-dispatcher-espeak-ng espeak-ng locales devscripts \
            chromium firefox-esr python3-websocket

# The fuzzer needs clang with its sanitizer and libFuzzer runtimes.
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev libfuzzer-14-dev
FUZZ_SECONDS ?= 60

# `make bench-startup` and `make bench-first-paint` only: the X tools, the
# fonts xcalc asks for, a session bus, the calculators Orvane is compared
# with, and callgrind.
BENCH_PACKAGES := xvfb libx11-dev libxdamage-dev gcc dbus-daemon xfonts-base xfonts-75dpi xfonts-100dpi \
                  xbitmaps x11-apps galculator speedcrunch kcalc qalculate-gtk valgrind

# `make package` needs dpkg-shlibdeps, file and git (for the archive's date);
# `make check-package` lintian and piuparts; `make check-reproducible` diffoscope.
PACKAGE_PACKAGES := dpkg-dev file git
CHECK_PACKAGE_PACKAGES := lintian piuparts
REPRODUCIBLE_PACKAGES := diffoscope-minimal
# `make bench-engine` only.
BENCH_ENGINE_PACKAGES := libbenchmark-dev
# The browser build: emscripten, and what web/build/build_mpfr.sh needs to fetch
# and unpack Debian's sources of MPFR and GMP and build them with it.
WEB_PACKAGES := emscripten make dpkg-dev xz-utils
# `make bench-web` only: npm, which installs Lighthouse into the build folder.
BENCH_WEB_PACKAGES := npm chromium

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# The browser edition: the engine as WebAssembly, built with emscripten in
# build-wasm/ (its system libraries cached there too), the page in build-web/.
WASM_DIR ?= build-wasm
WEB_DIR ?= build-web
WEB_PORT ?= 8019

.PHONY: web run-web bench-web bench-web-deps
.PHONY: all deps fuzz-deps package-deps check-package-deps reproducible-deps bench-deps bench-engine-deps web-deps \
        bench-engine configure build run test sanitize fuzz package check-package check-reproducible \
        bench-startup bench-first-paint clean

all: build

# Installs only the packages that are not installed yet; nothing when all are.
deps: WANTED = $(PACKAGES)
fuzz-deps: WANTED = $(FUZZ_PACKAGES)
package-deps: WANTED = $(PACKAGE_PACKAGES)
check-package-deps: WANTED = $(CHECK_PACKAGE_PACKAGES)
reproducible-deps: WANTED = $(REPRODUCIBLE_PACKAGES)
bench-deps: WANTED = $(BENCH_PACKAGES)
bench-engine-deps: WANTED = $(BENCH_ENGINE_PACKAGES)
web-deps: WANTED = $(WEB_PACKAGES)
bench-web-deps: WANTED = $(BENCH_WEB_PACKAGES)
deps fuzz-deps package-deps check-package-deps reproducible-deps bench-deps bench-engine-deps web-deps bench-web-deps:
	@missing=$$(for p in $(WANTED); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DORVANE_WEB_DIR=$(CURDIR)/$(WEB_DIR)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/orvane

test: build web
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# Debian freezes emscripten's own cache, which lacks the libraries built for
# WebAssembly exceptions: a cache of our own builds them once. Its JavaScript
# tools need Debian's node modules also where another node is first in PATH.
EMSCRIPTEN_ENV := EM_CACHE=$(CURDIR)/$(WASM_DIR)/em-cache EM_FROZEN_CACHE= NODE_PATH=/usr/share/nodejs
# MPFR and GMP for wasm32 are built once into $(WASM_DIR)/deps.
web: deps web-deps
	$(EMSCRIPTEN_ENV) web/build/build_mpfr.sh $(WASM_DIR)/deps
	$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WASM_DIR)/plain -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
	    -DORVANE_WITH_WINDOW=OFF -DBUILD_TESTING=OFF -DORVANE_PLAIN_JS=ON \
	    -DORVANE_MPFR_PREFIX=$(CURDIR)/$(WASM_DIR)/deps/prefix
	$(EMSCRIPTEN_ENV) cmake --build $(WASM_DIR)/plain -j $(JOBS) --target orvane_module
	$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WASM_DIR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
	    -DORVANE_WITH_WINDOW=OFF -DBUILD_TESTING=OFF -DORVANE_PAGE_DIR=$(CURDIR)/$(WEB_DIR) \
	    -DORVANE_MPFR_PREFIX=$(CURDIR)/$(WASM_DIR)/deps/prefix \
	    -DORVANE_PLAIN_MODULE=$(CURDIR)/$(WASM_DIR)/plain/web/module/orvane_plain.js
	$(EMSCRIPTEN_ENV) cmake --build $(WASM_DIR) -j $(JOBS)

# Serves the page on this machine only; Ctrl+C stops it.
run-web: web
	python3 tools/serve.py $(WEB_DIR) $(WEB_PORT)

# Lighthouse's scores for the page as run-web serves it, as a phone and as a
# desktop; Lighthouse is installed from npm into $(BUILD_DIR)/lighthouse.
bench-web: web bench-web-deps
	tools/bench/lighthouse $(WEB_DIR) $(BUILD_DIR)/lighthouse

# A Debian package of the program with its desktop entry, icons, metainfo,
# manual page and changelog, in $(BUILD_DIR)/orvane_VERSION_ARCH.deb. Its
# files are dated from SOURCE_DATE_EPOCH, by default the last commit's date.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)
# Exported to the build as well: the resource compiler dates the icons and
# translations it builds into the program from it.
ifneq ($(SOURCE_DATE_EPOCH),)
export SOURCE_DATE_EPOCH
endif
package: build package-deps
	cd $(BUILD_DIR) && cpack -G DEB

# lintian (no error, no warning), then piuparts: install into a fresh Debian 12
# root, purge, nothing left behind; and the program started there from its
# desktop entry. Needs root and the Debian archive.
check-package: package check-package-deps
	$(SUDO) tools/check_package.sh $$(ls -t $(BUILD_DIR)/orvane_*.deb | head -n1)

# Builds the last commit's package twice in two scratch folders and compares.
check-reproducible: deps package-deps reproducible-deps
	JOBS=$(JOBS) tools/check_reproducible.sh $(BUILD_TYPE)

# Time to window and memory of Orvane and of other calculators, on a private
# X server; ROUNDS=15 by default.
bench-startup: build bench-deps
	tools/bench/startup $(BUILD_DIR)/orvane

# Instructions from exec to the end of the first paint, counted with
# callgrind, for Orvane and two plain Qt windows built here as baselines.
bench-first-paint: build bench-deps
	tools/bench/first_paint $(BUILD_DIR)/orvane

# How evaluation and single keys scale with the length of the expression,
# up to the slot limit, with Google Benchmark.
bench-engine: deps bench-engine-deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_BENCHMARKS=ON \
	    -DORVANE_WITH_WINDOW=OFF
	cmake --build build-bench -j $(JOBS) --target engine_benchmarks
	tools/bench/engine_scaling build-bench/benchmarks/engine_benchmarks

# The whole suite once more, built with AddressSanitizer and UBSan.
sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && ctest --output-on-failure -j $(JOBS)

# Coverage-guided fuzzing of the engine for FUZZ_SECONDS, starting from the
# seed sequences; new inputs it finds stay in build-fuzz/corpus.
fuzz: deps fuzz-deps
	CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DORVANE_FUZZ=ON -DORVANE_WITH_WINDOW=OFF
	cmake --build build-fuzz -j $(JOBS) --target engine_fuzzer
	tools/fuzz/make_seeds.sh tests/fuzz/seed_sequences.txt build-fuzz/seeds
	mkdir -p build-fuzz/corpus
	./build-fuzz/tests/fuzz/engine_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
	    -print_final_stats=1 -artifact_prefix=build-fuzz/ build-fuzz/corpus build-fuzz/seeds

clean:
	rm -rf $(BUILD_DIR) build-sanitize build-fuzz $(WASM_DIR) $(WEB_DIR)
