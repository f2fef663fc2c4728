# Two entry points for a fresh Debian machine (run as root): `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
PAQUETS = cmake g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev \
          fonts-dejavu-core poppler-utils qpdf \
          librsvg2-bin dpkg-dev file desktop-file-utils appstream lintian libfuse3-dev \
          qt6-translations-l10n xvfb openbox x11-utils xdotool

.PHONY: run test build configure paquets paquet bench clean

paquets:
	@manque=$$(for p in $(PAQUETS); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$manque" ]; then \
		echo "Installation de :$$manque"; \
		apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$manque; \
	fi

configure: paquets
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The program and its command line only: the tests, fuzz targets and benchmarks wait for `make test`.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target tabrix tabrix-outils
	$(BUILD)/tabrix --dossier run

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package, in $(BUILD): apt-get install ./$(BUILD)/tabrix_*.deb
paquet: build
	cd $(BUILD) && cpack -G DEB

bench: build
	for b in $(BUILD)/bench/bench_*; do if [ -f $$b ] && [ -x $$b ]; then $$b; fi; done

clean:
	rm -rf $(BUILD)
