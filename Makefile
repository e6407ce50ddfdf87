# SPDX-License-Identifier: MIT
# The commands of the README: make run, make test, make build.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# `make test` also runs the suite in a sanitized tree, then the fuzzer for FUZZ_TEST_SECONDS;
# `make fuzz` runs the fuzzer alone, for FUZZ_SECONDS, keeping its corpus in fuzz-corpus-work.
SANITIZE_DIR ?= build-asan
SANITIZERS ?= address,undefined,float-cast-overflow
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 180
FUZZ_TEST_SECONDS ?= 60
FUZZ_BUILD = (test -f $(FUZZ_DIR)/CMakeCache.txt || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) \
	-DZORVIK_WITH_QT=OFF -DZORVIK_TESTS=OFF -DZORVIK_FUZZ=ON) && \
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target zorvik_fuzz

.PHONY: run test test-desktops build deps deps-play deps-test configure clean format fuzz

run: build
	./$(BUILD_DIR)/zorvik

# Configured again each time, so a tree first configured without the test packages gains its
# tests once they are installed.
test: deps-test
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS)
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)
	@test -f $(SANITIZE_DIR)/CMakeCache.txt || \
		cmake -S . -B $(SANITIZE_DIR) -DZORVIK_SANITIZE=$(SANITIZERS) $(CMAKE_FLAGS)
	tests/sanitizers/run cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(CURDIR)/tests/sanitizers/run ctest --output-on-failure -j $(JOBS)
	$(FUZZ_BUILD)
	rm -rf $(FUZZ_DIR)/test-run
	fuzz/run.sh $(FUZZ_DIR)/fuzz/zorvik_fuzz $(FUZZ_TEST_SECONDS) $(FUZZ_DIR)/test-run

# The focus, box and closing scenarios under kwin_x11, xfwm4, sway (XWayland and native) and
# kwin with a native game, beyond the desktops of `make test`; DESKTOPS names others (bare,
# openbox, mutter, weston, mutter_wayland, kwin_wayland, kwin, xfwm4, sway, sway_native,
# kwin_native).
DESKTOPS ?= kwin,xfwm4,sway,sway_native,kwin_native
test-desktops: deps-test
	@scripts/install-deps.sh desktops
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS) --target e2e_tests
	ZORVIK_E2E_DESKTOPS=$(DESKTOPS) $(BUILD_DIR)/tests/e2e/e2e_tests --gtest_filter='Desktops/*'

fuzz: deps-test
	$(FUZZ_BUILD)
	fuzz/run.sh $(FUZZ_DIR)/fuzz/zorvik_fuzz $(FUZZ_SECONDS) fuzz-corpus-work

build: deps-play configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target zorvik

# Playing needs the packages of scripts/packages-play.txt; the tests, benchmarks and package
# checks add those of scripts/packages-test.txt.
deps: deps-test
deps-play:
	@scripts/install-deps.sh play
deps-test:
	@scripts/install-deps.sh play test

configure: deps-play
	@test -f $(BUILD_DIR)/CMakeCache.txt || cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(PACKAGE_DIR)

# --- Benchmarks and packaging --------------------------------------------------------------
# `make bench` prints every figure: the rules benchmarks (time and heap allocations per call),
# the real game's tick cadence (idle, then with the other core busy), the comparison with
# the floor program (start-up, memory, CPU) and what sound costs. `make package` builds the
# .deb in $(PACKAGE_DIR).
.PHONY: bench bench-sound package

BENCH_TARGETS = zorvik rules_bench tick_cadence floor floor_comparison
BENCH_REPETITIONS ?= 5

bench: deps-test
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS) --target $(BENCH_TARGETS)
	@# Only the medians of the repetitions: single runs are noisy on a shared machine.
	bash -o pipefail -c '$(BUILD_DIR)/bench/rules_bench \
		--benchmark_repetitions=$(BENCH_REPETITIONS) --benchmark_report_aggregates_only=true \
		| grep -vE "_(mean|stddev|cv) "'
	$(BUILD_DIR)/bench/tick_cadence
	$(BUILD_DIR)/bench/tick_cadence --busy-other-core
	$(BUILD_DIR)/bench/floor_comparison --game $(BUILD_DIR)/zorvik --floor $(BUILD_DIR)/bench/floor
	@# The same with a screen reader's listener on the bus: the game's CPU against the run above.
	$(BUILD_DIR)/bench/floor_comparison --game $(BUILD_DIR)/zorvik --floor $(BUILD_DIR)/bench/floor \
		--accessibility screen-reader
	@# What playing the sound costs: the game with --sound against itself with --no-sound, on a
	@# sound server of the session's own.
	$(BUILD_DIR)/bench/floor_comparison --game $(BUILD_DIR)/zorvik --against no-sound --startup-rounds 0

# The hopper played by ear against random key presses, 20 games each (docs/sound.md):
# SOUND_GAMES and SOUND_LONGEST (seconds of full-speed play a game may last at most) change
# the run, and SOUND_SPEED plays the game slower (--speed, in percent).
SOUND_GAMES ?= 20
SOUND_LONGEST ?= 20
SOUND_SPEED ?= 100
bench-sound: deps-test
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS) --target zorvik sound_player
	$(BUILD_DIR)/bench/sound_player --games $(SOUND_GAMES) --longest $(SOUND_LONGEST) \
		--speed $(SOUND_SPEED)

# The package is built in a tree of its own, with the distribution's hardening flags
# (dpkg-buildflags, all hardening features on; the preprocessor flags go with the C++ ones).
PACKAGE_DIR ?= build-deb
package: deps-test
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all && eval "$$(dpkg-buildflags --export=sh)" && \
		CXXFLAGS="$$CPPFLAGS $$CXXFLAGS" cmake -S . -B $(PACKAGE_DIR) -DZORVIK_TESTS=OFF $(CMAKE_FLAGS) >/dev/null
	cmake --build $(PACKAGE_DIR) -j $(JOBS) --target zorvik zorvik_data
	cd $(PACKAGE_DIR) && cpack
