# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run program test build deps clean sanitize tidy package bench windows test-windows web test-web bench-web

# `make run` needs only what builds and shows the program: no test tools.
program:
	@scripts/install-packages.sh build qt
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target ribi

run: program
	@$(BUILD)/ribi

deps:
	@scripts/install-packages.sh build qt tests window-tests accessibility checks

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && ctest -j $(JOBS) --output-on-failure --timeout 120
	@$(MAKE) --no-print-directory test-windows
	@$(MAKE) --no-print-directory test-web

# The native 32-bit Windows program, cross-compiled: $(WINDOWS_BUILD)/ribi.exe.
WINDOWS_BUILD ?= build-windows
windows:
	@scripts/install-packages.sh build windows
	@cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target ribi

# Its tests under Wine on a virtual screen: the 32-bit build under 32-bit
# Wine where this machine can run 32-bit programs, else the same sources
# built for x86_64 ($(WINDOWS64_BUILD)) under wine64. WINDOWS_TESTS=32 or
# 64 chooses instead of asking the machine.
WINDOWS64_BUILD ?= build-windows64
WINDOWS_TESTS ?= auto
test-windows: windows
	@scripts/windows-tests.sh $(WINDOWS_TESTS) $(WINDOWS_BUILD) $(WINDOWS64_BUILD) $(JOBS)

# The browser edition, $(WEB_BUILD)/ribi.html: one page that runs anywhere.
# Emscripten's JavaScript tools find their modules in Debian's node path,
# also when the machine's node is not Debian's own.
WEB_BUILD ?= build-web
WEB_ENV = NODE_PATH=/usr/share/nodejs
web:
	@scripts/install-packages.sh build web
	@$(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=MinSizeRel -DRIBI_NATIVE_BUILD=$(abspath $(BUILD)) >/dev/null
	@$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS) --target ribi_page

# Its tests: the core suites under Node, the page in Chromium, Firefox ESR and
# WebKitGTK, there the shared window suites too, from a program of the native build.
test-web: web
	@scripts/install-packages.sh build qt tests
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target browser_window_tests
	@$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS)
	@cd $(WEB_BUILD) && $(WEB_ENV) ctest -j $(JOBS) --output-on-failure --timeout 400

# The Debian package, in $(BUILD)/packages/, the Windows zip and installer
# package (.msi), in $(WINDOWS_BUILD)/packages/, and the page, in
# $(WEB_BUILD)/packages/, alone and as the folder for a web server (ribi-web/:
# installable, working offline). The Debian package is hardened (dpkg-buildflags,
# packaging/linux/package.cmake). Each comes out the same byte for byte from
# the same commit, whoever builds it, wherever and whenever: its times are the
# last commit's (scripts/source-date-epoch.sh) and its modes are set.
package: build windows web
	@packaging/linux/make-deb.sh $(BUILD)
	@cmake --build $(WINDOWS_BUILD) --target zip msi
	@install -D -m 0644 $(WEB_BUILD)/ribi.html $(WEB_BUILD)/packages/ribi.html
	@$(WEB_ENV) cmake --build $(WEB_BUILD) --target ribi_webapp

# The whole suite again under AddressSanitizer, UndefinedBehaviorSanitizer
# and LeakSanitizer; only system libraries may be suppressed.
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer-suppressions.txt:print_suppressions=0
sanitize: deps
	@cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DRIBI_SANITIZE=ON >/dev/null
	@cmake --build build-sanitize -j $(JOBS)
	@cd build-sanitize && $(SANITIZE_ENV) ctest -j $(JOBS) --output-on-failure --timeout 300

tidy: build windows
	@scripts/install-packages.sh checks bench
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DRIBI_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
	@scripts/run-clang-tidy.sh $(BUILD) $(WINDOWS_BUILD) build-bench $(WINDOWS64_BUILD)

# Google Benchmark over the Qt window, Release build in its own directory;
# run under Xvfb so that start-up is measured on X as well as offscreen.
bench: deps
	@scripts/install-packages.sh bench
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DRIBI_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
	@cmake --build build-bench -j $(JOBS) --target ribi_bench
	@xvfb-run -a build-bench/bench/ribi_bench
	@$(MAKE) --no-print-directory bench-web

# The browser's figures: ribi.html in Chromium, Firefox ESR and WebKitGTK, each beside a floor;
# the target installs the npm modules it needs itself.
bench-web: web
	@$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS) --target web_bench

clean:
	rm -rf $(BUILD) build-sanitize build-bench $(WINDOWS_BUILD) $(WINDOWS64_BUILD) $(WEB_BUILD)
