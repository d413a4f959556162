# The whole set-up on a fresh Debian 12 machine is `make run` or `make test`.
BUILD ?= build
GENERATOR := -G Ninja
# Compiler-cache keys relative to the checkout, so a clone in any folder reuses the cache.
export CCACHE_BASEDIR ?= $(CURDIR)
export CCACHE_NOHASHDIR ?= 1
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all bootstrap build run test bench fuzz sanitize install package clean

all: build

bootstrap:
	@scripts/bootstrap

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) $(GENERATOR) $(CMAKE_FLAGS)

build: bootstrap $(BUILD)/build.ninja
	cmake --build $(BUILD)

run: build
	@scripts/run $(BUILD)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 300

bench: build
	@for b in $(BUILD)/bench/*; do [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b"; done

# `sudo make install` (PREFIX=/usr/local unless given; DESTDIR is honoured for staging).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package of both programs, $(BUILD)/melvara_VERSION_ARCH.deb.
package: build
	cd $(BUILD) && cpack

# AddressSanitizer and UndefinedBehaviorSanitizer over the whole test suite (no benchmarks).
# Any report fails the run: UBSan does not recover, ASan stops at the first fault.
sanitize: bootstrap
	cmake -S . -B build-asan $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DKORVEL_SANITIZE=ON -DKORVEL_BENCH=OFF
	cmake --build build-asan
	cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 600

fuzz:
	@WITH_FUZZ=1 scripts/bootstrap
	cmake -S . -B build-fuzz $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEL_FUZZ=ON \
	  -DCMAKE_CXX_COMPILER=clang++
	cmake --build build-fuzz --target fuzzers
	scripts/fuzz build-fuzz

clean:
	rm -rf $(BUILD) build-asan build-fuzz
