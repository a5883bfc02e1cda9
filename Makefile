# The two set-up commands, `make run` and `make test`, work on a fresh Debian 12
# machine as root: each installs what is missing first. `make run` needs only
# what the two programs need; `make test` brings the test tools as well.
.PHONY: all deps deps-test deps-windows build build-all run test test-sanitize test-windows \
	package-windows format fuzz bench install clean

EXAMPLE := examples/two-stroke-125.ign
FUZZ_SECONDS ?= 60
PREFIX ?= /usr/local

all: build

deps:
	@./scripts/install-deps.sh

deps-test:
	@./scripts/install-deps.sh --test

deps-windows:
	@./scripts/install-deps.sh --windows

# The two programs alone, into build/bin.
build: deps
	cmake --preset app
	cmake --build --preset app

# Everything: programs, tests and benchmarks, warnings as errors.
build-all: deps-test
	cmake --preset ci
	cmake --build --preset ci

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

test: build-all
	./scripts/check-format.sh
	ctest --preset ci
	$(MAKE) --no-print-directory test-sanitize

# The library and the command-line converter again, under AddressSanitizer
# and UndefinedBehaviorSanitizer.
test-sanitize: deps-test
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

# Both programs cross-built for Windows with MinGW-w64, with the installer;
# their tests run under Wine in a prefix of build-windows (see
# scripts/wine-session.sh), the window's in Xvfb. The Wine server is ended
# whatever the outcome.
WINE_PREFIX := build-windows/wine
test-windows: deps-windows
	cmake --preset windows
	cmake --build --preset windows
	./scripts/wine-session.sh start $(WINE_PREFIX)
	ctest --preset windows; status=$$?; ./scripts/wine-session.sh stop $(WINE_PREFIX); exit $$status

# The installer ign-converter-VERSION-setup.exe and a .zip of the two
# programs, in build-windows.
package-windows: deps-windows
	cmake --preset windows
	cmake --build --preset windows --target package-windows
	@ls build-windows/ign-converter-*-setup.exe build-windows/ign-converter-*.zip

# Rewrites every C and C++ source in the project's own format (`make test`
# checks it).
format: deps-test
	./scripts/check-format.sh --fix

fuzz: deps-test
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
	mkdir -p build-fuzz/corpus-report
	cp examples/*.ign build-fuzz/corpus-report/
	build-fuzz/bin/fuzz_report -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
	  -artifact_prefix=build-fuzz/report- build-fuzz/corpus-report

# Medians of nine runs; the summary at the end gives read, adjust, write, the
# whole conversion and its ratio to the plain reference copy of the format.
# Then the report's memory, the window's start-up, one file and a batch of
# files against cp.
bench: build-all
	build/bin/params_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
	build/bin/report_bench
	bench/startup/run.sh build 15
	bench/one-file/run.sh build 30
	bench/batch/run.sh build 7

install: build
	cmake --install build --prefix $(PREFIX)

clean:
	@[ ! -d $(WINE_PREFIX) ] || ./scripts/wine-session.sh stop $(WINE_PREFIX)
	rm -rf build build-sanitize build-fuzz build-windows
