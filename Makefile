# Set-up, build and test in one place. `make run` and `make test` install the
# Debian packages that are missing (apt-get as root; otherwise they print the
# one line to run), configure, build, and then analyse the bundled example or
# run every test.

PACKAGES := g++ make cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
            clang libclang-rt-dev
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
PRESET   ?= release
BUILD    := build
EXAMPLE  ?= examples/cantilever-sheet-pile/cantilever.kv5d
FUZZ_SECONDS ?= 60
FUZZERS  = engine_run_fuzzer list_reader_fuzzer word_reader_fuzzer evaluator_fuzzer \
           definition_stream_fuzzer data_file_fuzzer

.PHONY: all deps configure build run test test-release test-asan test-fuzz fuzz-build fuzz \
        bench clean format format-check

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

# Every test three ways: the release build, the whole suite under the address
# and undefined-behaviour sanitizers, and a smoke run of every fuzz target.
test: test-release test-asan test-fuzz

test-release: build
	@ctest --preset $(PRESET) -j $(JOBS)

test-asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	@ctest --preset asan -j $(JOBS)

fuzz-build: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)

test-fuzz: fuzz-build
	@ctest --preset fuzz -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS; new inputs go to build-fuzz/corpus and
# crashes to build-fuzz/artifacts, the seeds in fuzz/corpus stay as they are.
fuzz: fuzz-build
	@mkdir -p build-fuzz/artifacts; failed=""; \
	for t in $(FUZZERS); do \
	  mkdir -p build-fuzz/corpus/$$t; \
	  echo "== $$t ($(FUZZ_SECONDS) s)"; \
	  build-fuzz/bin/$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
	    -print_final_stats=1 -artifact_prefix=build-fuzz/artifacts/$$t- \
	    build-fuzz/corpus/$$t fuzz/corpus/$$t > build-fuzz/$$t.log 2>&1 || failed="$$failed $$t"; \
	  grep -E '^(Done|stat::number_of_executed_units|SUMMARY)' build-fuzz/$$t.log; \
	done; \
	if [ -n "$$failed" ]; then \
	  echo "Findings in:$$failed (logs build-fuzz/<target>.log, inputs build-fuzz/artifacts)"; exit 1; \
	fi

bench: build
	@$(BUILD)/bin/korvex-bench

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	@rm -rf build build-debug build-asan build-fuzz
