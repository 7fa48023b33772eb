// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's Gill march as a function of one trial wall value, and its roots.
#pragma once

#include "analysis/family_control.h"
#include "analysis/outcome.h"
#include "solver/form_values.h"
#include "solver/search_record.h"

namespace cuneola::analysis {

// Everything a classic march depends on besides the trial value itself.
struct ClassicSetting {
    MarchMode mode = MarchMode::Momentum;
    double Beta = 0.0;
    double h = 0.01;        // delta eta
    double xMax = 10.0;     // eta max
    double yMin = -1.0;     // f min: the march stops after a step with f' below it
    double Pr = 1.0;        // energy search only
    double wallShear = 0.0; // energy search only: the f''(0) it marched with
};

// The march of a search as a function of its trial value: its mode, beta, delta eta,
// eta max and f min, and for the energy search its Pr and the f''(0) it marched with.
ClassicSetting classicSettingOf(const SearchRecord& record);
// The form values a classic march runs with; the plot's own values follow eta max.
FormValues formValuesOf(const ClassicSetting& setting);

enum class TrialEnd {
    Reached, // the march reached eta max
    CutOff,  // f' fell below f min first: the outer value is not at eta max
    Overflow // a value left the double range
};

struct ClassicTrial {
    double trial = 0.0; // f''(0) or g'(0)
    double outer = 0.0; // f' or g where the march ended; meaningless unless Reached
    TrialEnd end = TrialEnd::Reached;
    double endEta = 0.0; // where it ended (the running sum of the half steps)
};

// One march of the classic Gill method with the trial as the unknown wall value,
// exactly as the search runs it (same operations, same cut-off), drawing nothing.
ClassicTrial marchClassic(const ClassicSetting& setting, double trial);

// The trial value at which the classic march's outer value is 1 to the last bit,
// searched from `near` outwards in steps of about `spread`. A march of ten million
// steps takes a fifth of a second, so `control` is asked between marches.
Outcome<double> classicRoot(const ClassicSetting& setting, double near, double spread,
                            const FamilyControl& control = {});

// The root inside [a, b], where the outer value minus 1 has the signs ra and rb.
// When cancelled it returns the better end of the bracket so far.
double refineClassicRoot(const ClassicSetting& setting, double a, double ra, double b, double rb,
                         const FamilyControl& control = {});

} // namespace cuneola::analysis
