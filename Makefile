# The two set-up commands, `make run` and `make test`, work on a fresh Debian 12
# machine as root: each installs what is missing first.
.PHONY: all deps build run test test-sanitize fuzz bench install clean

EXAMPLE := examples/two-stroke-125.ign
FUZZ_SECONDS ?= 60
PREFIX ?= /usr/local

all: build

deps:
	@./scripts/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default

# Starts the window; where there is no display, converts a sample file with
# the command-line converter instead.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] && [ -x build/bin/ign-converter ]; then \
	  exec build/bin/ign-converter; \
	else \
	  echo "No display: converting $(EXAMPLE) with ign-convert instead."; \
	  build/bin/ign-convert -f $(EXAMPLE) -o build/two-stroke-125-2006.ign && \
	  echo "Converted $(EXAMPLE) to build/two-stroke-125-2006.ign"; \
	fi

test: build
	ctest --preset default
	$(MAKE) --no-print-directory test-sanitize

# The library and the command-line converter again, under AddressSanitizer
# and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	mkdir -p build-fuzz/corpus
	cp examples/*.ign build-fuzz/corpus/
	build-fuzz/bin/fuzz_convert -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
	  -artifact_prefix=build-fuzz/ build-fuzz/corpus
	mkdir -p build-fuzz/corpus-long
	cp examples/*.ign build-fuzz/corpus-long/
	build-fuzz/bin/fuzz_long_input -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
	  -artifact_prefix=build-fuzz/long- build-fuzz/corpus-long

bench: build
	build/bin/params_bench
	bench/startup/run.sh build 15
	bench/batch/run.sh build 7

install: build
	cmake --install build --prefix $(PREFIX)

clean:
	rm -rf build build-sanitize build-fuzz
