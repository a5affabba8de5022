# make build | make test | make run   (each sets up what is missing first)
#
# build/native     the portable logic on Linux, with its unit tests
# build/windows    the shipped 32-bit Quorvane.exe
# build/windows64  a 64-bit build of the same sources with the Windows and
#                  end-to-end tests; Wine on this kind of machine runs only
#                  64-bit programs
NATIVE    := build/native
WINDOWS   := build/windows
WINDOWS64 := build/windows64
JOBS      ?= 2

.PHONY: all setup build build-native build-windows build-windows64 \
        test test-native test-windows run run-online clean
all: build

setup:
	@scripts/setup.sh

build: build-native build-windows build-windows64

build-native: setup
	@cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

build-windows: setup
	@cmake -S . -B $(WINDOWS) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANE_TESTS=OFF \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-i686.cmake >/dev/null
	@cmake --build $(WINDOWS) -j $(JOBS)

build-windows64: setup
	@cmake -S . -B $(WINDOWS64) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-x86_64.cmake >/dev/null
	@cmake --build $(WINDOWS64) -j $(JOBS)

test: build test-native test-windows

test-native: build-native
	@ctest --test-dir $(NATIVE) --output-on-failure -j $(JOBS)

test-windows: build-windows64
	@tools/with-display.sh ctest --test-dir $(WINDOWS64) --output-on-failure

run: build
	@tools/run-quorvane.sh

run-online: build
	@tools/run-quorvane.sh --online

clean:
	rm -rf $(NATIVE) $(WINDOWS) $(WINDOWS64)
