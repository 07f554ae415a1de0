#pragma once
// Equivalent depth of a lower p-y layer: the depth at which the layer's own
// soil, continued up to the surface with its properties at the layer's first
// curve, has built up the resistance `fsum` accumulated by the layers above.
// Each rule integrates that criterion's ultimate resistance. No I/O.
#include <functional>

namespace korvex::soil {

// Inverts a stepped integral: from 0 to xcr in `steps` equal steps, each
// adding rate(z) at the end of the step times the step; inside the step
// where the sum first exceeds fsum, linear interpolation. Beyond xcr the sum
// grows at `rate_beyond` (no growth gives xcr).
double invert_stepped_integral(const std::function<double(double)>& rate, double xcr, int steps,
                               double fsum, double rate_beyond);

// Soft clay (and any unlisted soil type): closed form of the integral of
// c b Np, Np growing to 9.
double soft_clay_equivalent_depth(double c, double gamma, double b, double fsum);
// Stiff clay without free water: closed form, the cap at 9 c b reached at
// (9 c b - 3 ca b)/(0.5 c + gamma b).
double stiff_clay_dry_equivalent_depth(double c, double ca, double gamma, double b, double fsum);
// Stiff clay with free water: the residual resistance integrated in 40
// steps; beyond, 11 c b times the residual factor of As at x/b.
double stiff_clay_free_water_equivalent_depth(double c, double ca, double gamma, double b, double x,
                                              double fsum);
// Sand: A times the wedge resistance in 100 steps up to the depth where the
// wedge and flow-around resistances meet; beyond, 0.88 gamma b D x.
double sand_equivalent_depth(double phi, double gamma, double b, double x, double fsum);
// Silt: as sand plus the cohesion term, in 50 steps; beyond, 9 c b + 0.88
// gamma b D x.
double silt_equivalent_depth(double phi, double c, double gamma, double b, double x, double fsum);

}  // namespace korvex::soil
