# The two commands: `make run` and `make test`.  Both install what is
# missing, configure and build in $(BUILD_DIR).  `make install` installs
# below $(PREFIX); `make package` builds the Debian package in $(BUILD_DIR).

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: all deps configure build test run install package clean

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

install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package: build
	@cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR)
