# SPDX-License-Identifier: MIT
# The two everyday commands: `make run` opens the window, `make test` runs every test.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test deps configure build bench fuzz package clean

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/src/cuneola

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) -j $(JOBS) --output-on-failure

bench: build
	$(BUILD_DIR)/bench/solver/solver_bench
	$(BUILD_DIR)/bench/analysis/analysis_bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/ui/window_bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/ui/explore_bench

package: build
	cmake --build $(BUILD_DIR) --target package

fuzz:
	scripts/fuzz.sh

clean:
	rm -rf $(BUILD_DIR)
