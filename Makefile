# Short verbs over CMake. `make run` and `make test` are all a newcomer needs:
# both install what is missing, then build.

BUILD_DIR ?= build
BUILD_TYPE ?= Release
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all deps deps-test configure build run run-cli test package screenshot format clean deps-fuzz test-sanitize fuzz bench difftest deps-windows windows test-windows deps-web web test-web web-screenshots

all: build

deps:
	@./scripts/install-deps.sh

# The tests also read drawings back and print reports with a real browser.
deps-test:
	@./scripts/install-deps.sh test

# The web edition's page, which the window's 工作台 opens and the packages
# ship: the verbs that package or test it build `make web` first.
WORKBENCH_PAGE = $(CURDIR)/$(WEB_DIR)/segcalc.html
PAGE_FLAG = -DSEGCALC_WORKBENCH_PAGE=$(WORKBENCH_PAGE)

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(PAGE_FLAG) $(CMAKE_FLAGS)

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(PAGE_FLAG) $(CMAKE_FLAGS)

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/app/segcalc

run-cli: build
	$(BUILD_DIR)/cli/segcalc-cli --arc 2491.78 --chord 2067.63

# Every test: the native build's (its packaging tests check the page in the
# install tree and the .deb), then the web edition's (test-web, below).
test: deps-test web build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-web

# The Debian package, in $(BUILD_DIR): segcalc_<version>_<arch>.deb.
package: web build
	cd $(BUILD_DIR) && cpack -G DEB

screenshot: build
	@./scripts/install-deps.sh screenshot
	./scripts/screenshot.sh $(BUILD_DIR)/app/segcalc docs/window.png

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer
# in a folder of its own; any report aborts the process, so the test fails.
SANITIZE_DIR ?= build-sanitize
SANITIZER_ENV = ASAN_OPTIONS=abort_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
	UBSAN_OPTIONS=abort_on_error=1:halt_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/cmake/lsan.supp

test-sanitize: deps-test web
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSEGCALC_SANITIZE=ON \
		$(PAGE_FLAG) $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

# libFuzzer on each target for FUZZ_SECONDS, FUZZ_PARALLEL at a time. Only this
# verb needs clang, which deps-fuzz installs. The targets are those
# fuzz/CMakeLists.txt lists; FUZZ_TARGETS="compute batch_line" runs only some.
# The build has no window and builds the fuzz targets alone.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_PARALLEL ?= 2
FUZZ_TARGETS ?=

deps-fuzz:
	@./scripts/install-deps.sh fuzz

fuzz: deps-fuzz
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
		-DSEGCALC_FUZZ=ON -DBUILD_TESTING=OFF -DSEGCALC_WINDOW=None
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_targets
	./scripts/run-fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS) $(FUZZ_PARALLEL) $(FUZZ_TARGETS)

# Benchmarks want an optimized build whatever BUILD_TYPE says, so they get
# their own build directory.
BENCH_DIR ?= build-bench
DIFFTEST_INPUTS ?= 1000000

# Then the web edition's figures: its solve under node against the native
# one, the page's first result in headless Chromium, the page's size.
bench: deps deps-web
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build $(BENCH_DIR) -j $(JOBS) --target solver_bench solve_timing barplan_timing part_bench
	$(BENCH_DIR)/bench/solver_bench
	$(BENCH_DIR)/bench/part_bench
	$(MAKE) web
	$(WEB_ENV) cmake --build $(WEB_DIR) -j $(JOBS) --target solve_timing barplan_timing
	/usr/bin/python3 bench/web_bench.py $(BENCH_DIR)/bench/solve_timing $(WEB_DIR)

# The fast solve against the plain scan on a million random inputs; takes hours.
difftest: build
	$(BUILD_DIR)/tests/solver_difftest $(DIFFTEST_INPUTS)

# The Windows edition, cross-built with MinGW-w64 in a folder of its own: the
# two programs, segcalc-$(version)-win64.zip and the -setup.exe installer,
# both with the web page beside the programs.
# Its tests run the .exe files under Wine, on a virtual display.
WINDOWS_DIR ?= build-windows

deps-windows:
	@./scripts/install-deps.sh windows

windows: deps-windows web
	cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake $(PAGE_FLAG) $(CMAKE_FLAGS)
	cmake --build $(WINDOWS_DIR) -j $(JOBS)

test-windows: windows
	cd $(WINDOWS_DIR) && xvfb-run -a ctest --output-on-failure -j $(JOBS)

# The web edition, built with emscripten in a folder of its own:
# $(WEB_DIR)/segcalc.html, one page that works opened from disk, and
# $(WEB_DIR)/site/ to host it (with a manifest and a service worker). Its
# tests run the calculation under node, against the native build's
# segcalc-cli too, and the page in Chromium.
WEB_DIR ?= build-web
# Debian's emscripten runs its tools with node, and a node from elsewhere
# finds their modules only here.
WEB_ENV = NODE_PATH=/usr/share/nodejs

deps-web:
	@./scripts/install-deps.sh web

$(WEB_DIR)/build.ninja: | deps-web
	$(WEB_ENV) emcmake cmake -S . -B $(WEB_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DSEGCALC_WINDOW=None -DBUILD_TESTING=ON -DSEGCALC_NATIVE_CLI=$(CURDIR)/$(BUILD_DIR)/cli/segcalc-cli

web: deps-web $(WEB_DIR)/build.ninja
	$(WEB_ENV) cmake --build $(WEB_DIR) -j $(JOBS) --target segcalc_page

test-web: deps-web build $(WEB_DIR)/build.ninja
	$(WEB_ENV) cmake --build $(WEB_DIR) -j $(JOBS)
	cd $(WEB_DIR) && $(WEB_ENV) ctest --output-on-failure -j $(JOBS)

# Retakes docs/web-phone.png and docs/web-desktop.png.
web-screenshots: web
	/usr/bin/python3 scripts/web-screenshots.py $(WEB_DIR)/segcalc.html docs

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# The web edition's build folder: clean removes it with the others.
WEB_DIR ?= build-web

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(BENCH_DIR) $(WINDOWS_DIR) $(WEB_DIR)
