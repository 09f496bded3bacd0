# make run  - installs what is missing, builds, starts the game
# make test - installs what is missing, builds, runs every test headless
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCARDOVA_BUILD_UI=ON -DCARDOVA_BUILD_BENCH=ON

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@./tools/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) > $(BUILD).configure.log 2>&1 || (cat $(BUILD).configure.log; exit 1)

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@$(BUILD)/src/app/cardova

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b; done

clean:
	@rm -rf $(BUILD) $(BUILD).configure.log
