# Velmora: build, run and test.
BUILD       ?= build
BUILD_SAN   ?= build-sanitize
JOBS        ?= $(shell nproc)
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
PREFIX      ?= $(HOME)/.local

.PHONY: all deps configure build run test test-sanitize install install-check uninstall format format-check clean FORCE

all: build

deps:
	./scripts/install-deps.sh

# The flags a build folder is configured with. The file is rewritten only
# when they change, and then the folder is configured afresh, so that a flag
# left out does not stay on in CMake's cache.
$(BUILD)/cmake-flags $(BUILD)/configured: FLAGS = $(CMAKE_FLAGS)
$(BUILD_SAN)/cmake-flags $(BUILD_SAN)/configured: FLAGS = $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON

.PRECIOUS: %/cmake-flags %/configured

%/cmake-flags: FORCE
	@mkdir -p $*
	@echo '$(FLAGS)' | cmp -s - $@ || echo '$(FLAGS)' > $@

%/configured: %/cmake-flags
	rm -f $*/CMakeCache.txt
	cmake -S . -B $* $(FLAGS)
	@touch $@

configure: $(BUILD)/configured

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

test-sanitize: deps $(BUILD_SAN)/configured
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

# Fails, naming the files, when any source differs from what `make format` makes.
format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

clean:
	rm -rf $(BUILD) $(BUILD_SAN)
