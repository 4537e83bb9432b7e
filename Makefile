# Entry points for people and CI. Everything below goes through the CMake presets.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
RUN_ARGS ?=

.PHONY: all deps build test test-dev test-asan run bench fuzz check-windows format format-check clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset dev >/dev/null
	cmake --build --preset dev -j $(JOBS)

test-dev: build
	ctest --preset dev -j $(JOBS)

test-asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

test: test-dev test-asan

run: build
	@scripts/run-editor.sh build/dev $(RUN_ARGS)

bench: deps
	cmake --preset release >/dev/null
	cmake --build --preset release -j $(JOBS)
	@scripts/run-benchmarks.sh build/release

fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)
	@scripts/run-fuzzers.sh build/fuzz $(FUZZ_SECONDS)

check-windows: deps
	@scripts/check-windows.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf build
