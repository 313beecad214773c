# Short verbs over CMake. `make run` and `make test` are all a newcomer needs:
# both install what is missing, then build.

BUILD_DIR ?= build
BUILD_TYPE ?= Release
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run run-cli test screenshot format clean

all: build

deps:
	@./scripts/install-deps.sh

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/app/segcalc

run-cli: build
	$(BUILD_DIR)/cli/segcalc-cli --arc 2491.78 --chord 2067.63

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

screenshot: build
	@./scripts/install-deps.sh screenshot
	./scripts/screenshot.sh $(BUILD_DIR)/app/segcalc docs/window.png

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)

# The Debian package, in $(BUILD_DIR): segcalc_<version>_<arch>.deb.
.PHONY: package
package: build
	cd $(BUILD_DIR) && cpack -G DEB
