# Fresh-machine entry points: `make run` builds and starts the brain,
# `make test` builds and runs every test. Build output goes to standard
# error, so that `make run` can stand where a manager expects a brain.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: deps build run test test-sanitize bench clean

deps:
	@tools/ensure-deps.sh >&2

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >&2
	@cmake --build $(BUILD) -j $(JOBS) >&2

run: build
	@exec $(BUILD)/pbrain-morvel

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DMORVEL_SANITIZE=ON
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/morvel-bench

clean:
	rm -rf build build-sanitize
