# Convenience targets around the CMake presets; CMake remains the build.
.PHONY: all build run test screenshot package asan fuzz windows windows-test web web-test \
        format format-check clean

FUZZ_SECONDS ?= 60
FUZZ_TARGETS = projection celforo_calc setup

all: build

# Configures and builds the default preset; the targets below first install
# what they need.
build:
	cmake --preset default
	cmake --build --preset default

run:
	./dev run

test:
	./dev test

asan:
	tools/install-deps ci
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

# Each fuzz target for FUZZ_SECONDS, new inputs kept in build/fuzz/corpus and
# crashing ones written to build/fuzz/ (copy them into fuzz/corpus/TARGET).
fuzz:
	tools/install-deps ci
	cmake --preset fuzz
	cmake --build --preset fuzz
	set -e; for target in $(FUZZ_TARGETS); do \
	  mkdir -p build/fuzz/corpus/$$target; \
	  dict=; if [ -f fuzz/$$target.dict ]; then dict=-dict=fuzz/$$target.dict; fi; \
	  echo "== fuzz target $$target, $(FUZZ_SECONDS) s"; \
	  build/fuzz/fuzz/fuzz_$${target}_fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	      -artifact_prefix=build/fuzz/ $$dict build/fuzz/corpus/$$target fuzz/corpus/$$target; \
	done

package:
	tools/install-deps ci
	$(MAKE) --no-print-directory build
	cd build/default && cpack

# The Windows programs, cross-built with mingw-w64, and their portable zip and
# installer: build/windows/celforo-1.00-win64.zip and -setup.exe.
windows:
	tools/install-deps windows
	cmake --preset windows
	cmake --build --preset windows
	cd build/windows && cpack

# Every Windows test under Wine: the suites, celforo-calc.exe against the
# Linux build's celforo-calc, the imported DLLs, the packages. Wine's windows
# need an X display: without one, ctest runs under a private Xvfb, large
# enough for Wine's desktop at 144 DPI (tools/wine-run).
windows-test:
	$(MAKE) --no-print-directory windows
	cmake --preset linux-calc
	cmake --build --preset linux-calc --target celforo-calc
	tools/can-run-32bit || echo "so the installer test is skipped; installer_payload checks its files"
	if [ -n "$${DISPLAY:-}" ]; then ctest --preset windows; \
	else xvfb-run -a -s "-screen 0 1920x1200x24" ctest --preset windows; fi

# The web page, build/web/site/ (the folder to publish on any static host),
# and build/web/app/celforo-calc.js for node, with Debian's emscripten.
web:
	tools/install-deps web
	cmake --preset web
	cmake --build --preset web

# The page in headless Chromium and in WebKitGTK (under a private Xvfb), and
# celforo-calc.js against the Linux build's celforo-calc; screenshots in
# build/web/screenshots.
web-test:
	$(MAKE) --no-print-directory web
	cmake --preset linux-calc
	cmake --build --preset linux-calc --target celforo-calc
	ctest --preset web

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

format-check:
	clang-format --dry-run -Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build

# The Windows panel's pictures show what the Linux ones do: from Turin, with a
# 3.2 mm field stop, on the night of 2026-12-17 in Italy's time.
WINDOWS_PANEL = TZ=Europe/Rome tools/windows-screenshot --value Text11=45.07 \
  --value Text12=7.69 --value Text13=240 --value Text10=3.2

# Refreshes the README's pictures of the window, by day and by night: the Qt
# ones from the window tests' grabs, the web page's from its browser suite, the
# Windows ones from the screen under Wine.
screenshot:
	$(MAKE) --no-print-directory test
	cp build/default/screenshots/form1-scale1.png docs/form1.png
	cp build/default/screenshots/form1-night-scale1.png docs/form1-night.png
	for shot in jupiter saturn venus jupiter-night saturn-night venus-night; do \
	  cp build/default/screenshots/panel-$$shot-scale1.png docs/panel-$$shot-linux.png; done
	cp build/default/screenshots/windows-scale1.png docs/panel-beside-form1-linux.png
	cp build/default/screenshots/windows-night-scale1.png docs/panel-beside-form1-night-linux.png
	$(MAKE) --no-print-directory web-test
	cp build/web/screenshots/web-form1-dpr1.png docs/form1-web.png
	for shot in jupiter saturn jupiter-night saturn-night; do \
	  cp build/web/screenshots/web-panel-$$shot-phone.png docs/panel-$$shot-phone.png; done
	cp build/web/screenshots/web-panel-beside-form1.png docs/panel-beside-form1-web.png
	cp build/web/screenshots/web-panel-beside-form1-night.png docs/panel-beside-form1-night-web.png
	for target in venus jupiter saturn; do \
	  cp build/web/screenshots/web-picture-$$target.png docs/picture-$$target-web.png; done
	$(MAKE) --no-print-directory windows
	tools/windows-screenshot 96 docs/form1-windows.png
	tools/windows-screenshot --night 96 docs/form1-windows-night.png
	for dpi in 96 144; do \
	  suffix=$$([ $$dpi = 96 ] || echo -$$dpi); \
	  for shot in Giove:jupiter:04 Saturno:saturn:19; do \
	    target=$${shot%%:*}; name=$${shot#*:}; hour=$${name#*:}; name=$${name%:*}; \
	    $(WINDOWS_PANEL) --at "2026-12-17 $$hour:00" \
	      --panel $$target $$dpi docs/panel-$$name-windows$$suffix.png; \
	    $(WINDOWS_PANEL) --at "2026-12-17 $$hour:00" \
	      --night --panel $$target $$dpi docs/panel-$$name-night-windows$$suffix.png; \
	  done; \
	done
	$(WINDOWS_PANEL) --at "2026-12-17 07:00" \
	  --panel Venere 96 docs/panel-venus-windows.png
