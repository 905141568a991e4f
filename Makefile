# The two commands of the README: `make run` and `make test`. Both install what
# the project needs from Debian's packages first, then configure and build.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

# Debian 12 packages the build, the tests and the screenshots need.
PACKAGES := build-essential cmake pkg-config \
            qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-qpa-plugins \
            libgl1-mesa-dev libsqlite3-dev libgtest-dev libgmock-dev \
            fonts-liberation fonts-liberation2
PACKAGES += desktop-file-utils
PACKAGES += appstream
PACKAGES += shared-mime-info
PACKAGES += clang
PACKAGES += libclang-rt-14-dev
PACKAGES += xvfb
PACKAGES += xauth

# Warnings are errors in CI (CI=true), plain warnings at a desk.
ifeq ($(CI),true)
WERROR := ON
else
WERROR := OFF
endif

.PHONY: all setup configure build run test bench odds careers clean

all: build

setup:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:" $$missing; \
	  if [ "$$(id -u)" = 0 ]; then SUDO=; \
	  elif command -v sudo >/dev/null; then SUDO=sudo; \
	  else echo "Please install as root: $$missing" >&2; exit 1; fi; \
	  $$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
	  $$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $$missing; \
	fi

configure: setup
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCORVANTIS_WERROR=$(WERROR)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/Corvantis/bin/corvantis

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD_DIR)/bench/corvantis-bench

# Thousands of random careers, each checked for the invariants of a career.
CAREERS ?= 3000
careers: build
	CORVANTIS_CAREERS=$(CAREERS) $(BUILD_DIR)/tests/corvantis_tests --gtest_filter='CareerProperties.*'
	out=$$(mktemp -d) && $(BUILD_DIR)/Corvantis/bin/corvantis-play auto --seed 77 --count 1000 --out $$out > /dev/null; \
	  status=$$?; rm -rf $$out; exit $$status

# The chances of each assignment roll, with no modifiers.
odds: build
	$(BUILD_DIR)/tools/ruleodds $(BUILD_DIR)/Corvantis/Resources/staticdata.rsd

# The real windows photographed: every page of the main window, the skill
# picker, the weapon dialog, the log window, the skill browser and the about
# box, as PNG files in $(BUILD_DIR)/screenshots, on a virtual X display.
.PHONY: screenshots
screenshots: build
	rm -rf $(BUILD_DIR)/screenshots
	xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
	  $(BUILD_DIR)/tools/screenshots/corvantis-screenshots $(BUILD_DIR)/screenshots

# The Debian package of the installed bundle, by CPack, into $(BUILD_DIR).
.PHONY: package
package: build
	cmake --build $(BUILD_DIR) --target package

# The character file reader under libFuzzer, built by clang with ASan and
# UBSan in a project of its own. It starts from a copy of the saved files in
# fuzz/corpus, so the committed corpus never grows; any crash, sanitizer
# report, failed round trip, timeout or runaway memory stops it non-zero and
# leaves the input in $(FUZZ_DIR)/findings/.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
.PHONY: fuzz
fuzz: setup
	cmake -S fuzz -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	rm -rf $(FUZZ_DIR)/corpus $(FUZZ_DIR)/findings
	mkdir -p $(FUZZ_DIR)/corpus $(FUZZ_DIR)/findings
	cp fuzz/corpus/* $(FUZZ_DIR)/corpus/
	$(FUZZ_DIR)/character_file_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -timeout=10 \
	  -rss_limit_mb=2048 -dict=fuzz/character.dict -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_DIR)/findings/ $(FUZZ_DIR)/corpus

# The whole project built by gcc with ASan and UBSan: the test suite, then a
# thousand random careers. Any report stops the run. The leak suppressions
# name third-party libraries only.
ASAN_DIR ?= build-asan
ASAN_FLAGS := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
ASAN_ENV := QT_QPA_PLATFORM=offscreen \
            ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
            LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
            UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
.PHONY: asan
asan: setup
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DCORVANTIS_WERROR=$(WERROR) \
	  "-DCMAKE_CXX_FLAGS=$(ASAN_FLAGS)" "-DCMAKE_EXE_LINKER_FLAGS=$(ASAN_FLAGS)" \
	  "-DCMAKE_SHARED_LINKER_FLAGS=$(ASAN_FLAGS)" "-DCMAKE_MODULE_LINKER_FLAGS=$(ASAN_FLAGS)"
	$(ASAN_ENV) cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && $(ASAN_ENV) ctest --output-on-failure -j $(JOBS)
	out=$$(mktemp -d) && $(ASAN_ENV) $(ASAN_DIR)/Corvantis/bin/corvantis-play auto --seed 77 --count 1000 --out $$out > /dev/null; \
	  status=$$?; rm -rf $$out; exit $$status

clean:
	rm -rf $(BUILD_DIR)
