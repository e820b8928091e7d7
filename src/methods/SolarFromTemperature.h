#pragma once

#include "methods/SolarGeometry.h"

namespace climora {

// The regions of the temperature method.
enum SolarRegion : int { MidWestUsa = 1, ContinentalRegion = 2, CoastalRegion = 3 };

// Mahmood-Hubbard: solar radiation (MJ m-2 d-1) from the clear-sky radiation
// and the day's maximum and minimum temperature in degrees Celsius. Not
// clamped: small ranges give negative values.
double MHmodel(int dayOfYear, double rso, double tMax, double tMin);

// FAO-56 Hargreaves: k = 0.16 for region 2, 0.19 for any other region.
double FAO_SolarFromTemp(int region, double ra, double tMax, double tMin);

// The estimate of one row: the region's method, with every result that is
// not zero or more (negative, or undefined for a negative range) made 0.01.
double solarFromTemperature(int region, int dayOfYear, const DayGeometry& day, double tMax,
                            double tMin);

// The page's two description texts.
const char* solarFromTemperatureDescription(int region, bool convert);

} // namespace climora
