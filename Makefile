# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands: `make run` and `make test`.  Both install what is
# missing, configure and build in $(BUILD_DIR).  `make install` installs
# below $(PREFIX); `make package` builds the Debian package in $(BUILD_DIR);
# `make translations` brings the catalogues up to date with the sources.

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: all deps configure build test run install package translations clean check-sanitize fuzz fuzz-ci bench

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@MAKEFLAGS= cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)
	@[ -d ../shared/acceptance ] || echo "Note: the key-sequence acceptance cases were skipped: ../shared/acceptance is not beside this checkout."

run: build
	@$(BUILD_DIR)/tovrin

install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package: build
	@cd $(BUILD_DIR) && cpack -G DEB

# Brings the catalogues in translations/ up to date with the sources.
translations: configure
	@MAKEFLAGS= cmake --build $(BUILD_DIR) --target update_translations

# Every test built with AddressSanitizer and UndefinedBehaviorSanitizer.
check-sanitize: deps
	@cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTOVRIN_SANITIZE=ON > /dev/null
	@MAKEFLAGS= cmake --build build-sanitize -j $(JOBS)
	@cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

# The libFuzzer targets, each run for FUZZ_SECONDS on top of its corpus.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = fuzz_keys fuzz_settings fuzz_text
fuzz:
	@scripts/install-deps clang libclang-rt-dev
	@CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOVRIN_FUZZ=ON > /dev/null
	@MAKEFLAGS= cmake --build build-fuzz -j $(JOBS) --target $(FUZZ_TARGETS)
	@for target in $(FUZZ_TARGETS); do \
		mkdir -p build-fuzz/corpus/$$target build-fuzz/crashes; \
		echo "fuzzing $$target for $(FUZZ_SECONDS) s"; \
		build-fuzz/$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			-artifact_prefix=build-fuzz/crashes/ build-fuzz/corpus/$$target \
			tests/fuzz/corpus/$$target || exit 1; \
	done

# A short pass for continuous integration.
fuzz-ci:
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=45

# Benchmarks of the engine, the formatter and the window; start-up is timed
# on a virtual X display.
bench:
	@scripts/install-deps libbenchmark-dev xvfb xauth
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTOVRIN_BENCH=ON > /dev/null
	@MAKEFLAGS= cmake --build build-bench -j $(JOBS) --target benchmarks
	@xvfb-run -a -s "-screen 0 1280x1024x24" build-bench/benchmarks

clean:
	rm -rf $(BUILD_DIR) build-sanitize build-fuzz build-bench
