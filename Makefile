# make run  - installs what is missing, builds, starts the game
# make test - installs what is missing, builds, runs every test headless
# make sanitize - every test again, built with AddressSanitizer and
#                 UndefinedBehaviorSanitizer in build-sanitize/
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCARDOVA_BUILD_UI=ON -DCARDOVA_BUILD_BENCH=ON

SANITIZE_BUILD ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined

.PHONY: all deps configure build run test bench sanitize clean

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

sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCARDOVA_BUILD_UI=ON -DCARDOVA_BUILD_BENCH=OFF \
		"-DCMAKE_CXX_FLAGS=$(SANITIZE_FLAGS)" "-DCMAKE_EXE_LINKER_FLAGS=$(SANITIZE_FLAGS)" \
		$(SANITIZE_CMAKE_FLAGS) > $(SANITIZE_BUILD).configure.log 2>&1 || (cat $(SANITIZE_BUILD).configure.log; exit 1)
	@cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	@cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_stack_use_after_return=1:strict_string_checks=1:detect_leaks=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j$(JOBS)

clean:
	@rm -rf $(BUILD) $(BUILD).configure.log $(SANITIZE_BUILD) $(SANITIZE_BUILD).configure.log
