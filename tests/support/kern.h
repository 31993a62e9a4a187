// SPDX-License-Identifier: GPL-3.0-or-later
// What the tests of the core and the texts share: GoogleTest, the standard library, the
// core's headers, and the found logs made, read and counted as the tests need them.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "foundlog/gpxbestand.h"
#include "grid/afstand.h"
#include "grid/grid.h"
#include "grid/nlmasker.h"
#include "grid/vak.h"
#include "overview/kaarten.h"
#include "overview/overzicht.h"
#include "overview/provincievoortgang.h"
#include "overview/regio.h"
#include "overview/regioafstand.h"
#include "overview/regionaam.h"
#include "overview/startjaren.h"
#include "overview/voortgang.h"
#include "support/geheugenbron.h"
#include "support/gevonden.h"
#include "support/gpx.h"
#include "support/locale.h"
#include "support/referentie.h"
