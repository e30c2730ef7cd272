// Bevel styles of the panel painters, for the painters and for the platform-free rules that
// choose them.
#pragma once

enum BevelStyle : int {
    kNoBevel = 0,
    kSunkenBevel = 1,
    kRaisedBevel = 2, // any other value is raised too
};
