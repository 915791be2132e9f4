# The two commands: `make run` and `make test`.  Both install what is
# missing, configure and build in $(BUILD_DIR).

BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test run clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@MAKEFLAGS= cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

run: build
	@if [ -x $(BUILD_DIR)/tovrin ]; then $(BUILD_DIR)/tovrin; \
	else $(BUILD_DIR)/tovrin-keys --help; fi

clean:
	rm -rf $(BUILD_DIR)
