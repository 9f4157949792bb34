# Velmora: build, run and test.
BUILD       ?= build
BUILD_SAN   ?= build-sanitize
JOBS        ?= $(shell nproc)
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
PREFIX      ?= $(HOME)/.local

.PHONY: all deps configure build run test test-sanitize install install-check uninstall format clean

all: build

deps:
	./scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

configure: $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# On a display the program itself; without one, the demonstration on Qt's
# offscreen platform encodes the bundled sample with the program's windows.
run: deps build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		$(BUILD)/bin/velmora $(ARGS); \
	else \
		echo "No display: running the demonstration on the offscreen platform."; \
		$(BUILD)/bin/velmora-demo; \
	fi

test: deps build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(BUILD_SAN) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON
	cmake --build $(BUILD_SAN) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=0 ctest --test-dir $(BUILD_SAN) --output-on-failure -j $(JOBS)

# The prefix is checked before the build as well, so that a refusal comes at once.
install: install-check deps build
	cmake --install $(BUILD) --prefix "$(PREFIX)"

install-check:
	@cmake -DCMAKE_INSTALL_PREFIX="$(PREFIX)" -P cmake/install/BeforeInstall.cmake

uninstall:
	cmake -DPREFIX="$(PREFIX)" -P cmake/Uninstall.cmake

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(BUILD_SAN)
