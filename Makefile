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

clean:
	rm -rf $(BUILD_DIR)
