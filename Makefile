# Horavine: make run | make test | make package | make bench | make fuzz [FUZZ_SECONDS=N] | make translations | make cli-path | make clean
# SANITIZE=1 builds and tests in build-sanitize/ under AddressSanitizer and UndefinedBehaviorSanitizer.
SANITIZE ?= 0
ifeq ($(SANITIZE),1)
BUILD   ?= build-sanitize
# Speed under the sanitizers means nothing, so the benchmarks stay in the ordinary build.
SANITIZE_FLAGS := -DHORAVINE_SANITIZE=ON -DHORAVINE_BENCH=OFF
else
BUILD   ?= build
SANITIZE_FLAGS := -DHORAVINE_SANITIZE=OFF
endif
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
MAKEFLAGS += --no-print-directory
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test package bench fuzz translations cli-path clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) $(SANITIZE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-clock $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The Debian package, $(BUILD)/horavine_<version>_<arch>.deb, from the install rules.
package: build
	@cd $(BUILD) && cpack -G DEB

bench: build
	@scripts/run-bench $(BUILD)

# Every fuzz target for FUZZ_SECONDS each, built with clang in build-fuzz/, one at a time.
FUZZ_SECONDS ?= 30
fuzz: deps
	@FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/run-fuzz

# Refreshes translations/*.ts from the sources (lupdate, entries no source has any more are dropped).
translations: configure
	@cmake --build $(BUILD) --target update_translations

cli-path:
	@echo $(abspath $(BUILD))/horavine-cli

clean:
	rm -rf $(BUILD)
