// SPDX-License-Identifier: GPL-3.0-or-later
// Results right to 12 significant digits, keyed as a user keys them, in
// every angle unit and integer word they depend on.
#include "TestSupport.h"
#include "TypeNumber.h"

#include "core/Labels.h"
#include "core/Words.h"

#include <cmath>
#include <sstream>
#include <string>

namespace {

using ResultsTest = EngineTest;

const double Error = NAN;
const int Decimal = -1; // not an integer word: the Scientific function

struct Case {
    const char* keys; // key names, or numbers to type ("8-" is -8)
    double x;
    uint16_t label = 0;
    int word = Decimal; // else the integerSize, in the Programmer function
};

TEST_F(ResultsTest, RightToTwelveDigits)
{
    const Case cases[] = {
        {"1 Hyperbolic Sin", 1.17520119364}, {"Radians 1 Hyperbolic Sin", 1.17520119364},
        {"Grads 1 Hyperbolic Sin", 1.17520119364}, {"2 Hyperbolic ArcCos", 1.31695789692},
        {"Radians 2 Hyperbolic ArcCos", 1.31695789692}, {"Grads 2 Hyperbolic ArcCos", 1.31695789692},
        {"1 Hyperbolic Cos", 1.54308063482}, {"1 Hyperbolic Tan", 0.761594155956},
        {"1 Hyperbolic ArcSin", 0.88137358702}, {".5 Hyperbolic ArcTan", 0.549306144334},
        {"180 Hyperbolic Sin", 7.44692100391e77}, {"1e22 Sin", -0.984807753012}, {"1e22 Cos", 0.173648177667},
        // 2^70 is 304 degrees and 224 grads.
        {"2 Power 70 Equals Tan", -1.48256096851}, {"Grads 2 Power 70 Equals Sin", -0.368124552685},
        {"4.35 Multiply 100 Equals IntegerPart", 435}, {"4.35 Multiply 100 Equals FractionPart", 0},
        {"4.35 Multiply 100 Equals Floor", 435}, {"1.1 Multiply 1.1 Multiply 100 Equals Ceiling", 121},
        {"1000 Enter 3 Root FractionPart", 0}, {"2.75- FractionPart", -0.75},
        {"123456789012 Multiply 1000 Add 345 Equals IntegerPart", 123456789012345},
        {"3e170 Enter 4e170 ToPolar", 5e170}, {"3e170- Enter 4e170- ToPolar", 5e-170},
        {"16 Square", 0, LabelU8, 0}, {"12 Square", -112, LabelS8, 1}, {"7 Cube", 87, LabelU8, 0},
        {"200 Cube", 4608, LabelS16, 3}, {"3 Enter 11 Power", 46075, LabelU16, 2},
        {"65536 Square", 0, LabelU32, 4}, {"2 Enter 31 Power", -2147483648.0, LabelS32, 5},
        {"1- Enter 3- Power", -1, LabelS8, 1}, {"3 Enter 1- Power", 0, LabelS8, 1},
        {"0 Enter 1- Power", Error, LabelS8, 1}, {"1 Gallons Milliliters", 3785.411784, LabelMl},
        {"1 Pounds Kilograms", 0.45359237, LabelKg}, {"1 SqMiles SqFeet", 27878400, LabelSqFeet},
        {"1 KilometersPerHour MilesPerHour", 0.621371192237, LabelMiPerH},
        {"1 Pounds Add 1 Kilograms Equals", 3.20462262185, LabelPounds},
        {"1 Feet Divide 1 Meters Equals", 0.3048}, {"1 SqFeet Divide 1 SqMeters Equals", 0.09290304},
        {"1 Liters Divide 1 Gallons Equals", 0.264172052358},
        {"1 MilesPerHour Divide 1 KilometersPerHour Equals", 1.609344},
        {"1 Kilograms Divide 1 Pounds Equals", 2.20462262185},
        {"1 Feet Store Point 5 1 Meters Store Divide Point 5 Recall Point 5", 0.3048},
        {".5 Gamma", 1.77245385091}, {".5- Gamma", -3.54490770181}, {"0 Gamma", Error}, {"2- Gamma", Error},
        {"2.5 Factorial", 3.32335097045}, {".5- Factorial", 1.77245385091}, {"1- Factorial", Error},
        {"170 Factorial", 7.25741561531e306}, {"171 Factorial", Error},
        {"200 Enter 2 Combinations", 19900}, {"200 Enter 2 Permutations", 39800},
        {"1000 Enter 500 Combinations", 2.70288240945e299}, {"171 Enter 1 Permutations", 171},
        {"2 Enter 5 Combinations", 0}, {"2 Enter 5 Permutations", 0}, {"2.5 Enter 1 Combinations", Error},
        {"1- Enter 1 Combinations", Error}, {"8- Enter 3 Root", -2}, {"8- Enter 3- Root", -0.5},
        {"8- Enter 2 Root", Error},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.keys << " in word " << c.word);
        ResetCalculator();
        UnPrefs.setFunction(c.word == Decimal ? FunctionScientific : FunctionProgrammer);
        if (c.word != Decimal)
            Prefs.setIntegerSize(unsigned(c.word));
        std::istringstream keys(c.keys);
        for (std::string token; keys >> token;) {
            int key = KeyOpFromName(token.c_str());
            if (key >= 0)
                Press({key});
            else
                Type(token.c_str());
        }
        if (std::isnan(c.x))
            EXPECT_FALSE(std::isfinite(X())) << X();
        else
            EXPECT_NEAR(X(), c.x, std::fabs(c.x) * 5e-12);
        EXPECT_EQ(UnPrefs.stackLabel[0], c.label);
    }
}

} // namespace
