#pragma once
// Coefficient tables of the ephemeris, kept as data in the order the theory
// lists them, so each row can be checked against its source line by line.
// Epoch 1900 January 0.5; T in Julian centuries.
#include <array>

namespace jd::planet_series {

// ---------------------------------------------------------------------------
// Mean elements. Each element is a0 + a1 T + a2 T^2 + a3 T^3; for the mean
// longitude a1 is the number of revolutions per century (R). Degrees for L,
// perihelion, inclination and node; the semi-major axis in AU is a constant.

struct Polynomial {
    double a0, a1, a2, a3;
};

struct ElementTable {
    Polynomial L, perihelion, e, i, node;
    double a;
};

inline constexpr ElementTable kMercury{
    /* L */ {178.179078, 415.2057519, 0.0003011, 0},
    /* ϖ */ {75.899697, 1.5554889, 0.0002947, 0},
    /* e */ {0.20561421, 0.00002046, -0.00000003, 0},
    /* i */ {7.002881, 0.0018608, -0.0000183, 0},
    /* Ω */ {47.145944, 1.1852083, 0.0001739, 0},
    /* a */ 0.3870986};

inline constexpr ElementTable kVenus{
    /* L */ {342.767053, 162.5533664, 0.0003097, 0},
    /* ϖ */ {130.163833, 1.4080361, -0.0009764, 0},
    /* e */ {0.00682069, -0.00004774, 0.000000091, 0},
    /* i */ {3.393631, 0.0010058, -0.000001, 0},
    /* Ω */ {75.779647, 0.89985, 0.00041, 0},
    /* a */ 0.7233316};

inline constexpr ElementTable kMars{
    /* L */ {293.737334, 53.17137642, 0.0003107, 0},
    /* ϖ */ {334.218203, 1.8407584, 0.0001299, -0.00000119},
    /* e */ {0.0933129, 0.000092064, 0.000000077, 0},
    /* i */ {1.850333, -0.000675, 0.0000126, 0},
    /* Ω */ {48.786442, 0.7709917, -0.0000014, -0.00000533},
    /* a */ 1.5236883};

inline constexpr ElementTable kJupiter{
    /* L */ {238.049257, 8.434172183, 0.0003347, -0.00000165},
    /* ϖ */ {12.720972, 1.6099617, 0.00105627, -0.00000343},
    /* e */ {0.04833475, 0.00016418, -0.0000004676, -0.0000000017},
    /* i */ {1.308736, -0.0056961, 0.0000039, 0},
    /* Ω */ {99.443414, 1.01053, 0.00035222, -0.00000851},
    /* a */ 5.202561};

inline constexpr ElementTable kSaturn{
    /* L */ {266.564377, 3.398638567, 0.0003245, -0.0000058},
    /* ϖ */ {91.098214, 1.9584158, 0.00082636, 0.00000461},
    /* e */ {0.05589232, -0.0003455, -0.000000728, 0.00000000074},
    /* i */ {2.492519, -0.0039189, -0.00001549, 0.00000004},
    /* Ω */ {112.790414, 0.8731951, -0.00015218, -0.00000531},
    /* a */ 9.554747};

// ---------------------------------------------------------------------------
// Mercury, Venus and Mars: terms coefficient x cos(k1 M1 + k2 M2 + k3 M3 +
// k4 M4 + k5 M5 + phase), the mean anomalies and the phase in radians.

struct CosTerm {
    double coefficient;
    int k1, k2, k3, k4, k5;  // multiples of M1 (Mercury), M2 (Venus), M3 (Sun), M4 (Mars), M5 (Jupiter)
    double phase;
};

// ΔL, degrees
inline constexpr std::array<CosTerm, 4> kMercuryLongitude{{
    {0.00204, -2, 5, 0, 0, 0, 0.21328},    // 5 M2 − 2 M1 + 0.21328
    {0.00103, -1, 2, 0, 0, 0, -2.8046},    // 2 M2 − M1 − 2.8046
    {0.00091, -1, 0, 0, 0, 2, -0.64582},   // 2 M5 − M1 − 0.64582
    {0.00078, -3, 5, 0, 0, 0, 0.17692},    // 5 M2 − 3 M1 + 0.17692
}};

// Δr, AU
inline constexpr std::array<CosTerm, 4> kMercuryRadius{{
    {0.000007525, -1, 0, 0, 0, 2, 0.925251},   // 2 M5 − M1 + 0.925251
    {0.000006802, -3, 5, 0, 0, 0, -4.53642},   // 5 M2 − 3 M1 − 4.53642
    {0.000005457, -2, 2, 0, 0, 0, -1.24246},   // 2 M2 − 2 M1 − 1.24246
    {0.000003569, -1, 5, 0, 0, 0, -1.35699},   // 5 M2 − M1 − 1.35699
}};

inline constexpr std::array<CosTerm, 5> kVenusLongitude{{
    {0.00313, 0, -2, 2, 0, 0, -2.587},      // 2 M3 − 2 M2 − 2.587
    {0.00198, 0, -3, 3, 0, 0, 0.044768},    // 3 M3 − 3 M2 + 0.044768
    {0.00136, 0, -1, 1, 0, 0, -2.0788},     // M3 − M2 − 2.0788
    {0.00096, 0, -2, 3, 0, 0, -2.3721},     // 3 M3 − 2 M2 − 2.3721
    {0.00082, 0, -1, 0, 0, 1, -3.6318},     // M5 − M2 − 3.6318
}};

inline constexpr std::array<CosTerm, 7> kVenusRadius{{
    {0.000022501, 0, -2, 2, 0, 0, -1.01592},   // 2 M3 − 2 M2 − 1.01592
    {0.000019045, 0, -3, 3, 0, 0, 1.61577},    // 3 M3 − 3 M2 + 1.61577
    {0.000006887, 0, -1, 0, 0, 1, -2.06106},   // M5 − M2 − 2.06106
    {0.000005172, 0, -1, 1, 0, 0, -0.508065},  // M3 − M2 − 0.508065
    {0.00000362, 0, -4, 5, 0, 0, -1.81877},    // 5 M3 − 4 M2 − 1.81877
    {0.000003283, 0, -4, 4, 0, 0, 1.10851},    // 4 M3 − 4 M2 + 1.10851
    {0.000003074, 0, -2, 0, 0, 2, -0.962846},  // 2 M5 − 2 M2 − 0.962846
}};

inline constexpr std::array<CosTerm, 9> kMarsLongitude{{
    {0.00705, 0, 0, 0, -1, 1, -0.85448},   // M5 − M4 − 0.85448
    {0.00607, 0, 0, 0, -1, 2, -3.2873},    // 2 M5 − M4 − 3.2873
    {0.00445, 0, 0, 0, -2, 2, -3.3492},    // 2 M5 − 2 M4 − 3.3492
    {0.00388, 0, 0, 1, -2, 0, 0.35771},    // M3 − 2 M4 + 0.35771
    {0.00238, 0, 0, 1, -1, 0, 0.61256},    // M3 − M4 + 0.61256
    {0.00204, 0, 0, 2, -3, 0, 2.7688},     // 2 M3 − 3 M4 + 2.7688
    {0.00177, 0, -1, 0, 3, 0, -1.0053},    // 3 M4 − M2 − 1.0053
    {0.00136, 0, 0, 2, -4, 0, 2.6894},     // 2 M3 − 4 M4 + 2.6894
    {0.00104, 0, 0, 0, 0, 1, 0.30749},     // M5 + 0.30749
}};

inline constexpr std::array<CosTerm, 13> kMarsRadius{{
    {0.000053227, 0, 0, 0, -1, 1, 0.717864},   // M5 − M4 + 0.717864
    {0.000050989, 0, 0, 0, -2, 2, -1.77997},   // 2 M5 − 2 M4 − 1.77997
    {0.000038278, 0, 0, 0, -1, 2, -1.71617},   // 2 M5 − M4 − 1.71617
    {0.000015996, 0, 0, 1, -1, 0, -0.969618},  // M3 − M4 − 0.969618
    {0.000014764, 0, 0, 2, -3, 0, 1.19768},    // 2 M3 − 3 M4 + 1.19768
    {0.000008966, 0, 0, 0, -2, 1, 0.761225},   // M5 − 2 M4 + 0.761225
    {0.000007914, 0, 0, 0, -2, 3, -2.43887},   // 3 M5 − 2 M4 − 2.43887
    {0.000007004, 0, 0, 0, -3, 2, -1.79573},   // 2 M5 − 3 M4 − 1.79573
    {0.00000662, 0, 0, 1, -2, 0, 1.97575},     // M3 − 2 M4 + 1.97575
    {0.00000493, 0, 0, 0, -3, 3, -1.33069},    // 3 M5 − 3 M4 − 1.33069
    {0.000004693, 0, 0, 3, -5, 0, 3.32665},    // 3 M3 − 5 M4 + 3.32665
    {0.000004571, 0, 0, 2, -4, 0, 4.27086},    // 2 M3 − 4 M4 + 4.27086
    {0.000004409, 0, 0, 0, -1, 3, -2.02158},   // 3 M5 − M4 − 2.02158
}};

// ---------------------------------------------------------------------------
// Jupiter and Saturn: terms (c0 + c1 J1 + c2 J1^2) x first x second, each
// factor the sine or cosine of a multiple of ζ = J3 − J2, η = J4 − J3, J3,
// J5 or J6, or 1.

enum class Trig : unsigned char { One, Sin, Cos };
enum class Angle : unsigned char { Zeta, Eta, J3, J5, J6 };

struct Factor {
    Trig fn;
    Angle angle;
    int multiple;
};

struct JsTerm {
    double c0, c1, c2;
    Factor first, second;
};

inline constexpr Factor one{Trig::One, Angle::Zeta, 0};
constexpr Factor sinZ(int k) { return {Trig::Sin, Angle::Zeta, k}; }
constexpr Factor cosZ(int k) { return {Trig::Cos, Angle::Zeta, k}; }
constexpr Factor sinH(int k) { return {Trig::Sin, Angle::Eta, k}; }  // η
constexpr Factor cosH(int k) { return {Trig::Cos, Angle::Eta, k}; }
constexpr Factor sinJ3(int k) { return {Trig::Sin, Angle::J3, k}; }
constexpr Factor cosJ3(int k) { return {Trig::Cos, Angle::J3, k}; }
constexpr Factor sinJ5(int k) { return {Trig::Sin, Angle::J5, k}; }
constexpr Factor cosJ5(int k) { return {Trig::Cos, Angle::J5, k}; }
constexpr Factor sinJ6(int k) { return {Trig::Sin, Angle::J6, k}; }

// Jupiter, mean longitude (degrees)
inline constexpr std::array<JsTerm, 23> kJupiterLongitude{{
    {0.331364, -0.010281, -0.004692, sinJ5(1), one},
    {0.003228, -0.064436, 0.002075, cosJ5(1), one},
    {-0.003083, -0.000275, 0.000489, sinJ5(2), one},
    {0.002472, 0, 0, sinJ6(1), one},
    {0.013619, 0, 0, sinZ(1), one},
    {0.018472, 0, 0, sinZ(2), one},
    {0.006717, 0, 0, sinZ(3), one},
    {0.002775, 0, 0, sinZ(4), one},
    {0.007275, -0.001253, 0, sinZ(1), sinJ3(1)},
    {0.006417, 0, 0, sinZ(2), sinJ3(1)},
    {0.002439, 0, 0, sinZ(3), sinJ3(1)},
    {-0.033839, -0.001125, 0, cosZ(1), sinJ3(1)},
    {-0.003767, 0, 0, cosZ(2), sinJ3(1)},
    {0.002178, 0, 0, cosJ3(1), one},
    {-0.035681, -0.001208, 0, sinZ(1), cosJ3(1)},
    {-0.004261, 0, 0, sinZ(2), cosJ3(1)},
    {-0.006333, 0.001161, 0, cosZ(1), cosJ3(1)},
    {-0.006675, 0, 0, cosZ(2), cosJ3(1)},
    {-0.002664, 0, 0, cosZ(3), cosJ3(1)},
    {-0.002572, 0, 0, sinZ(1), sinJ3(2)},
    {-0.003567, 0, 0, sinZ(2), sinJ3(2)},
    {0.002094, 0, 0, cosZ(1), cosJ3(2)},
    {0.003342, 0, 0, cosZ(2), cosJ3(2)},
}};

// Jupiter, eccentricity (units of 0.0000001)
inline constexpr std::array<JsTerm, 29> kJupiterEccentricity{{
    {3606, 130, -43, sinJ5(1), one},
    {1289, -580, 0, cosJ5(1), one},
    {-204, 0, 0, sinJ3(1), one},
    {-6764, 0, 0, sinZ(1), sinJ3(1)},
    {-1110, 0, 0, sinZ(2), sinJ3(1)},
    {-224, 0, 0, sinZ(3), sinJ3(1)},
    {1284, 116, 0, cosZ(1), sinJ3(1)},
    {188, 0, 0, cosZ(2), sinJ3(1)},
    {-817, 0, 0, cosJ3(1), one},
    {1460, 130, 0, sinZ(1), cosJ3(1)},
    {224, 0, 0, sinZ(2), cosJ3(1)},
    {6074, 0, 0, cosZ(1), cosJ3(1)},
    {992, 0, 0, cosZ(2), cosJ3(1)},
    {508, 0, 0, cosZ(3), cosJ3(1)},
    {230, 0, 0, cosZ(4), cosJ3(1)},
    {108, 0, 0, cosZ(5), cosJ3(1)},
    {-956, -73, 0, sinZ(1), sinJ3(2)},
    {448, 0, 0, sinZ(2), sinJ3(2)},
    {137, 0, 0, sinZ(3), sinJ3(2)},
    {-997, 108, 0, cosZ(1), sinJ3(2)},
    {480, 0, 0, cosZ(2), sinJ3(2)},
    {148, 0, 0, cosZ(3), sinJ3(2)},
    {179, 0, 0, cosJ3(2), one},
    {-956, 99, 0, sinZ(1), cosJ3(2)},
    {490, 0, 0, sinZ(2), cosJ3(2)},
    {158, 0, 0, sinZ(3), cosJ3(2)},
    {1024, 75, 0, cosZ(1), cosJ3(2)},
    {-437, 0, 0, cosZ(2), cosJ3(2)},
    {-132, 0, 0, cosZ(3), cosJ3(2)},
}};

// Jupiter, perihelion sum B (degrees)
inline constexpr std::array<JsTerm, 18> kJupiterPerihelion{{
    {0.007192, -0.003147, 0, sinJ5(1), one},
    {-0.020428, -0.000675, 0.000197, cosJ5(1), one},
    {-0.004344, 0, 0, sinJ3(1), one},
    {0.007269, 0.000672, 0, sinZ(1), sinJ3(1)},
    {0.034036, 0, 0, cosZ(1), sinJ3(1)},
    {0.005614, 0, 0, cosZ(2), sinJ3(1)},
    {0.002964, 0, 0, cosZ(3), sinJ3(1)},
    {0.037761, 0, 0, sinZ(1), cosJ3(1)},
    {0.006158, 0, 0, sinZ(2), cosJ3(1)},
    {-0.006603, 0, 0, cosZ(1), cosJ3(1)},
    {-0.005356, 0, 0, sinZ(1), sinJ3(2)},
    {0.002722, 0, 0, sinZ(2), sinJ3(2)},
    {0.004483, 0, 0, cosZ(1), sinJ3(2)},
    {-0.002642, 0, 0, cosZ(2), sinJ3(2)},
    {0.004403, 0, 0, sinZ(1), cosJ3(2)},
    {-0.002536, 0, 0, sinZ(2), cosJ3(2)},
    {0.005547, 0, 0, cosZ(1), cosJ3(2)},
    {-0.002689, 0, 0, cosZ(2), cosJ3(2)},
}};

// Jupiter, semi-major axis (units of 0.000001 AU)
inline constexpr std::array<JsTerm, 11> kJupiterAxis{{
    {-263, 0, 0, cosJ5(1), one},
    {205, 0, 0, cosZ(1), one},
    {693, 0, 0, cosZ(2), one},
    {312, 0, 0, cosZ(3), one},
    {147, 0, 0, cosZ(4), one},
    {299, 0, 0, sinZ(1), sinJ3(1)},
    {181, 0, 0, cosZ(2), sinJ3(1)},
    {204, 0, 0, sinZ(2), cosJ3(1)},
    {111, 0, 0, sinZ(3), cosJ3(1)},
    {-337, 0, 0, cosZ(1), cosJ3(1)},
    {-111, 0, 0, cosZ(2), cosJ3(1)},
}};

// Saturn, mean longitude (degrees)
inline constexpr std::array<JsTerm, 24> kSaturnLongitude{{
    {-0.814181, 0.01815, -0.016714, sinJ5(1), one},
    {-0.010497, 0.160906, -0.0041, cosJ5(1), one},
    {0.007581, 0, 0, sinJ5(2), one},
    {-0.007986, 0, 0, sinJ6(1), one},
    {-0.148811, 0, 0, sinZ(1), one},
    {-0.040786, 0, 0, sinZ(2), one},
    {-0.015208, 0, 0, sinZ(3), one},
    {-0.006339, 0, 0, sinZ(4), one},
    {-0.006244, 0, 0, sinJ3(1), one},
    {0.008931, 0.002728, 0, sinZ(1), sinJ3(1)},
    {-0.0165, 0, 0, sinZ(2), sinJ3(1)},
    {-0.005775, 0, 0, sinZ(3), sinJ3(1)},
    {0.081344, 0.003206, 0, cosZ(1), sinJ3(1)},
    {0.015019, 0, 0, cosZ(2), sinJ3(1)},
    {0.085581, 0.002494, 0, sinZ(1), cosJ3(1)},
    {0.025328, -0.003117, 0, cosZ(1), cosJ3(1)},
    {0.014394, 0, 0, cosZ(2), cosJ3(1)},
    {0.006319, 0, 0, cosZ(3), cosJ3(1)},
    {0.006369, 0, 0, sinZ(1), sinJ3(2)},
    {0.009156, 0, 0, sinZ(2), sinJ3(2)},
    {0.007525, 0, 0, sinH(3), sinJ3(2)},
    {-0.005236, 0, 0, cosZ(1), cosJ3(2)},
    {-0.007736, 0, 0, cosZ(2), cosJ3(2)},
    {-0.007528, 0, 0, cosH(3), cosJ3(2)},
}};

// Saturn, eccentricity (units of 0.0000001)
inline constexpr std::array<JsTerm, 49> kSaturnEccentricity{{
    {-7927, 2548, 91, sinJ5(1), one},
    {13381, 1226, -253, cosJ5(1), one},
    {248, -121, 0, sinJ5(2), one},
    {-305, -91, 0, cosJ5(2), one},
    {412, 0, 0, sinZ(2), one},
    {12415, 0, 0, sinJ3(1), one},
    {390, -617, 0, sinZ(1), sinJ3(1)},
    {165, -204, 0, sinZ(2), sinJ3(1)},
    {26599, 0, 0, cosZ(1), sinJ3(1)},
    {-4687, 0, 0, cosZ(2), sinJ3(1)},
    {-1870, 0, 0, cosZ(3), sinJ3(1)},
    {-821, 0, 0, cosZ(4), sinJ3(1)},
    {-377, 0, 0, cosZ(5), sinJ3(1)},
    {497, 0, 0, cosH(2), sinJ3(1)},
    {163, -611, 0, cosJ3(1), one},
    {-12696, 0, 0, sinZ(1), cosJ3(1)},
    {-4200, 0, 0, sinZ(2), cosJ3(1)},
    {-1503, 0, 0, sinZ(3), cosJ3(1)},
    {-619, 0, 0, sinZ(4), cosJ3(1)},
    {-268, 0, 0, sinZ(5), cosJ3(1)},
    {-282, -1306, 0, cosZ(1), cosJ3(1)},
    {-86, 230, 0, cosZ(2), cosJ3(1)},
    {461, 0, 0, sinH(2), cosJ3(1)},
    {-350, 0, 0, sinJ3(2), one},
    {2211, -286, 0, sinZ(1), sinJ3(2)},
    {-2208, 0, 0, sinZ(2), sinJ3(2)},
    {-568, 0, 0, sinZ(3), sinJ3(2)},
    {-346, 0, 0, sinZ(4), sinJ3(2)},
    {-2780, -222, 0, cosZ(1), sinJ3(2)},
    {2022, 263, 0, cosZ(2), sinJ3(2)},
    {248, 0, 0, cosZ(3), sinJ3(2)},
    {242, 0, 0, sinH(3), sinJ3(2)},
    {467, 0, 0, cosH(3), sinJ3(2)},
    {-490, 0, 0, cosJ3(2), one},
    {-2842, -279, 0, sinZ(1), cosJ3(2)},
    {128, 226, 0, sinZ(2), cosJ3(2)},
    {224, 0, 0, sinZ(3), cosJ3(2)},
    {-1594, 282, 0, cosZ(1), cosJ3(2)},
    {2162, -207, 0, cosZ(2), cosJ3(2)},
    {561, 0, 0, cosZ(3), cosJ3(2)},
    {343, 0, 0, cosZ(4), cosJ3(2)},
    {469, 0, 0, sinH(3), cosJ3(2)},
    {-242, 0, 0, cosH(3), cosJ3(2)},
    {-205, 0, 0, sinZ(1), sinJ3(3)},
    {262, 0, 0, sinZ(3), sinJ3(3)},
    {208, 0, 0, cosZ(1), cosJ3(3)},
    {-271, 0, 0, cosZ(3), cosJ3(3)},
    {-382, 0, 0, cosZ(3), sinJ3(4)},
    {-376, 0, 0, sinZ(3), cosJ3(4)},
}};

// Saturn, perihelion sum B (degrees); the last two rows both multiply
// cos 2ζ by cos 2J3 and are both summed.
inline constexpr std::array<JsTerm, 17> kSaturnPerihelion{{
    {0.077108, 0.007186, -0.001533, sinJ5(1), one},
    {0.045803, -0.014766, -0.000536, cosJ5(1), one},
    {-0.007075, 0, 0, sinZ(1), one},
    {-0.075825, 0, 0, sinZ(1), sinJ3(1)},
    {-0.024839, 0, 0, sinZ(2), sinJ3(1)},
    {-0.008631, 0, 0, sinZ(3), sinJ3(1)},
    {-0.072586, 0, 0, cosJ3(1), one},
    {-0.150383, 0, 0, cosZ(1), cosJ3(1)},
    {0.026897, 0, 0, cosZ(2), cosJ3(1)},
    {0.010053, 0, 0, cosZ(3), cosJ3(1)},
    {-0.013597, -0.001719, 0, sinZ(1), sinJ3(2)},
    {-0.007742, 0.001517, 0, cosZ(1), sinJ3(2)},
    {-0.013667, 0.001239, 0, sinZ(1), cosJ3(2)},
    {0.011981, 0, 0, sinZ(2), cosJ3(2)},
    {0.014861, 0.001136, 0, cosZ(1), cosJ3(2)},
    {0.013586, -0.001375, 0, cosZ(2), cosJ3(2)},
    {-0.013064, -0.001628, 0, cosZ(2), cosJ3(2)},
}};

// Saturn, semi-major axis (units of 0.000001 AU)
inline constexpr std::array<JsTerm, 36> kSaturnAxis{{
    {572, 0, 0, sinJ5(1), one},
    {2933, 0, 0, cosJ5(1), one},
    {33629, 0, 0, cosZ(1), one},
    {-3081, 0, 0, cosZ(2), one},
    {-1423, 0, 0, cosZ(3), one},
    {-671, 0, 0, cosZ(4), one},
    {-320, 0, 0, cosZ(5), one},
    {1098, 0, 0, sinJ3(1), one},
    {-2812, 0, 0, sinZ(1), sinJ3(1)},
    {688, 0, 0, sinZ(2), sinJ3(1)},
    {-393, 0, 0, sinZ(3), sinJ3(1)},
    {-228, 0, 0, sinZ(4), sinJ3(1)},
    {2138, 0, 0, cosZ(1), sinJ3(1)},
    {-999, 0, 0, cosZ(2), sinJ3(1)},
    {-642, 0, 0, cosZ(3), sinJ3(1)},
    {-325, 0, 0, cosZ(4), sinJ3(1)},
    {-890, 0, 0, cosJ3(1), one},
    {2206, 0, 0, sinZ(1), cosJ3(1)},
    {-1590, 0, 0, sinZ(2), cosJ3(1)},
    {-647, 0, 0, sinZ(3), cosJ3(1)},
    {-344, 0, 0, sinZ(4), cosJ3(1)},
    {2885, 0, 0, cosZ(1), cosJ3(1)},
    {2172, 102, 0, cosZ(2), cosJ3(1)},
    {296, 0, 0, cosZ(3), cosJ3(1)},
    {-267, 0, 0, sinZ(2), sinJ3(2)},
    {-778, 0, 0, cosZ(1), sinJ3(2)},
    {495, 0, 0, cosZ(2), sinJ3(2)},
    {250, 0, 0, cosZ(3), sinJ3(2)},
    {-856, 0, 0, sinZ(1), cosJ3(2)},
    {441, 0, 0, sinZ(2), cosJ3(2)},
    {296, 0, 0, cosZ(2), cosJ3(2)},
    {211, 0, 0, cosZ(3), cosJ3(2)},
    {-427, 0, 0, sinZ(1), sinJ3(3)},
    {398, 0, 0, sinZ(3), sinJ3(3)},
    {344, 0, 0, cosZ(1), cosJ3(3)},
    {-427, 0, 0, cosZ(3), cosJ3(3)},
}};

// Saturn, heliocentric latitude (degrees)
inline constexpr std::array<JsTerm, 6> kSaturnLatitude{{
    {0.000747, 0, 0, cosZ(1), sinJ3(1)},
    {0.001069, 0, 0, cosZ(1), cosJ3(1)},
    {0.002108, 0, 0, sinZ(2), sinJ3(2)},
    {0.001261, 0, 0, cosZ(2), sinJ3(2)},
    {0.001236, 0, 0, sinZ(2), cosJ3(2)},
    {-0.002075, 0, 0, cosZ(2), cosJ3(2)},
}};

// ---------------------------------------------------------------------------
// The Moon: fifty terms coefficient x E^power x sin(kD D + kM M + kMp M′ +
// kF F), degrees; D elongation, M Sun's and M′ Moon's mean anomaly, F the
// Moon's distance from its node.

struct LunarTerm {
    double coefficient;
    int ePower;  // 0, 1 or 2: factor 1, E or E x E
    int kD, kM, kMp, kF;
};

inline constexpr std::array<LunarTerm, 50> kMoonLongitude{{
    {6.28875, 0, 0, 0, 1, 0},       // M′
    {1.274018, 0, 2, 0, -1, 0},     // 2D − M′
    {0.658309, 0, 2, 0, 0, 0},      // 2D
    {0.213616, 0, 0, 0, 2, 0},      // 2M′
    {-0.185596, 1, 0, 1, 0, 0},     // M
    {-0.114336, 0, 0, 0, 0, 2},     // 2F
    {0.058793, 0, 2, 0, -2, 0},     // 2D − 2M′
    {0.057212, 1, 2, -1, -1, 0},    // 2D − M − M′
    {0.05332, 0, 2, 0, 1, 0},       // 2D + M′
    {0.045874, 1, 2, -1, 0, 0},     // 2D − M
    {0.041024, 1, 0, -1, 1, 0},     // M′ − M
    {-0.034718, 0, 1, 0, 0, 0},     // D
    {-0.030465, 1, 0, 1, 1, 0},     // M + M′
    {0.015326, 0, 2, 0, 0, -2},     // 2D − 2F
    {-0.012528, 0, 0, 0, 1, 2},     // M′ + 2F
    {-0.01098, 0, 0, 0, -1, 2},     // 2F − M′
    {0.010674, 0, 4, 0, -1, 0},     // 4D − M′
    {0.010034, 0, 0, 0, 3, 0},      // 3M′
    {0.008548, 0, 4, 0, -2, 0},     // 4D − 2M′
    {-0.00791, 1, 2, 1, -1, 0},     // 2D + M − M′
    {-0.006783, 1, 2, 1, 0, 0},     // 2D + M
    {0.005162, 0, -1, 0, 1, 0},     // M′ − D
    {0.005, 1, 1, 1, 0, 0},         // D + M
    {0.004049, 1, 2, -1, 1, 0},     // 2D + M′ − M
    {0.003996, 0, 2, 0, 2, 0},      // 2D + 2M′
    {0.003862, 0, 4, 0, 0, 0},      // 4D
    {0.003665, 0, 2, 0, -3, 0},     // 2D − 3M′
    {0.002695, 1, 0, -1, 2, 0},     // 2M′ − M
    {0.002602, 0, -2, 0, 1, -2},    // M′ − 2D − 2F
    {0.002396, 1, 2, -1, -2, 0},    // 2D − M − 2M′
    {-0.002349, 0, 1, 0, 1, 0},     // D + M′
    {0.002249, 2, 2, -2, 0, 0},     // 2D − 2M
    {-0.002125, 1, 0, 1, 2, 0},     // M + 2M′
    {-0.002079, 2, 0, 2, 0, 0},     // 2M
    {0.002059, 2, 2, -2, -1, 0},    // 2D − 2M − M′
    {-0.001773, 0, 2, 0, 1, -2},    // 2D + M′ − 2F
    {0.00122, 1, 4, -1, -1, 0},     // 4D − M − M′
    {-0.00111, 0, 0, 0, 2, 2},      // 2M′ + 2F
    {0.000892, 0, -3, 0, 1, 0},     // M′ − 3D
    {-0.000811, 1, 2, 1, 1, 0},     // 2D + M + M′
    {0.000761, 1, 4, -1, -2, 0},    // 4D − M − 2M′
    {0.000717, 2, 0, -2, 1, 0},     // M′ − 2M
    {0.000704, 2, -2, -2, 1, 0},    // M′ − 2D − 2M
    {0.000693, 1, 2, 1, -2, 0},     // 2D + M − 2M′
    {0.000598, 1, 2, -1, 0, -2},    // 2D − M − 2F
    {0.00055, 0, 4, 0, 1, 0},       // 4D + M′
    {0.000521, 1, 4, -1, 0, 0},     // 4D − M
    {0.000538, 0, 0, 0, 4, 0},      // 4M′
    {0.000486, 0, -1, 0, 2, 0},     // 2M′ − D
    {-0.001595, 0, 2, 0, 0, 2},     // 2D + 2F
}};

}  // namespace jd::planet_series
