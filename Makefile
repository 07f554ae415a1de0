# Set-up, build and test in one place. `make run` and `make test` install the
# Debian packages that are missing (apt-get as root; otherwise they print the
# one line to run), configure, build, and then analyse the bundled example or
# run every test.

PACKAGES := g++ make cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
PRESET   ?= release
BUILD    := build
EXAMPLE  ?= examples/cantilever-sheet-pile/cantilever.kv5d

.PHONY: all deps configure build run test bench clean format format-check

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq$$missing; \
	  else \
	    echo "Missing packages. Run:"; echo "  sudo apt-get install -y$$missing"; exit 1; \
	  fi; \
	fi

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	@$(BUILD)/bin/korvex-run $(EXAMPLE)

test: build
	@ctest --preset $(PRESET) -j $(JOBS)

bench: build
	@$(BUILD)/bin/korvex-bench

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	@rm -rf build build-debug build-asan
