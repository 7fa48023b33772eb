# SPDX-License-Identifier: GPL-3.0-or-later
# The everyday commands: `make run` builds the program and opens the window, `make test`
# builds everything and runs every test. Both configure the build directory once; CMake
# itself reconfigures when a CMakeLists.txt changes.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Extra CMake settings, such as -DCUNEOLA_WERROR=ON; given, they are applied even to a
# build directory configured before.
CMAKE_ARGS ?=

# Quiet builds: no "Entering directory" lines from the nested makes, and no progress or
# "Built target" lines (switched off when configuring). Compiler messages show in full.
MAKEFLAGS += --no-print-directory

.PHONY: run test deps configured build bench fuzz package format format-check clean

# Checked before anything is installed or built: without a display Qt would only stop
# with advice about its platform plugins.
ifneq ($(filter run,$(MAKECMDGOALS)),)
ifeq ($(DISPLAY)$(WAYLAND_DISPLAY)$(QT_QPA_PLATFORM),)
$(error make run needs a graphical session (a desktop or X11/Wayland display); `make test` runs without one)
endif
endif

deps:
	@scripts/install-deps.sh

$(BUILD_DIR)/CMakeCache.txt: | deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_RULE_MESSAGES=OFF -DCMAKE_TARGET_MESSAGES=OFF >/dev/null

configured: deps $(BUILD_DIR)/CMakeCache.txt
	@$(if $(CMAKE_ARGS),cmake -S . -B $(BUILD_DIR) $(CMAKE_ARGS) >/dev/null)

build: configured
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: configured
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target cuneola
	@$(BUILD_DIR)/src/cuneola

test: build
	@QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) -j $(JOBS) --output-on-failure

bench: build
	$(BUILD_DIR)/bench/solver/solver_bench
	$(BUILD_DIR)/bench/analysis/analysis_bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/ui/window_bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/ui/explore_bench

package: build
	cmake --build $(BUILD_DIR) --target package

fuzz:
	scripts/fuzz.sh

# The C++ sources in the house style of .clang-format: `make format` rewrites them in
# place, `make format-check` fails on any difference.
CLANG_FORMAT ?= clang-format-14
FORMAT_FILES = $(shell find src tests bench fuzz -name '*.cpp' -o -name '*.h' | sort)

format:
	@scripts/install-deps.sh format
	@$(CLANG_FORMAT) -i $(FORMAT_FILES)

format-check:
	@scripts/install-deps.sh format
	@$(CLANG_FORMAT) --dry-run --Werror $(FORMAT_FILES)

clean:
	rm -rf $(BUILD_DIR)
