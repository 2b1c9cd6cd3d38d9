# Orvane's front door. `make run` and `make test` install what is missing,
# configure into build/, build, and then run the calculator or the tests.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Debian packages the build, the program and its tests need.
PACKAGES := cmake make g++ pkg-config \
            libgtest-dev libgmock-dev \
            qt6-base-dev libqt6svg6 qt6-svg-dev \
            fonts-ipafont-gothic xvfb xauth

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test clean

all: build

# Installs only the packages that are not installed yet; nothing when all are.
deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -x $(BUILD_DIR)/orvane ]; then exec ./$(BUILD_DIR)/orvane; fi; \
	echo "The window is not built yet: starting the replay driver. Type events (Command5, key 56 1, ...), one per line; Ctrl-D ends."; \
	./$(BUILD_DIR)/orvane-replay

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
