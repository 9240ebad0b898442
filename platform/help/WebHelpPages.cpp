#include "platform/help/WebHelpPages.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace zw {

namespace {

struct PageOfContext {
  int context;
  const char* page;
};

// Sorted by context for the binary search.
constexpr std::array kPages{
    PageOfContext{1000, "000-Content.html"},
    PageOfContext{1100, "010-Introduction.html"},
    PageOfContext{1105, "011-What_is_Zahlwerk.html"},
    PageOfContext{1120, "014-Disclaimer.html"},
    PageOfContext{1130, "015-Deinstallation.html"},
    PageOfContext{1150, "020-Handling.html"},
    PageOfContext{1155, "021-MainMenu.html"},
    PageOfContext{1160, "022-Toolbar.html"},
    PageOfContext{1165, "024-Graphics_2D.html"},
    PageOfContext{1170, "025-Graphics_3D.html"},
    PageOfContext{1175, "026-Options.html"},
    PageOfContext{1180, "027-The_Coordinate_System.html"},
    PageOfContext{1190, "028-Supported_Functions.html"},
    PageOfContext{1195, "029-Syntax_Rules.html"},
    PageOfContext{1200, "100-Algebra.html"},
    PageOfContext{1205, "101-Prime_Numbers.html"},
    PageOfContext{1207, "102-Prime_Tuples.html"},
    PageOfContext{1210, "103-Prime_Factorization.html"},
    PageOfContext{1215, "104-GCF_and_LCM.html"},
    PageOfContext{1217, "105-Percentages.html"},
    PageOfContext{1220, "106-Decimals_to_Fractions.html"},
    PageOfContext{1225, "107-Fractions_to_Decimals.html"},
    PageOfContext{1230, "110-Nth_degree_binomials.html"},
    PageOfContext{1235, "111-4th_degree_equations.html"},
    PageOfContext{1240, "112-Diophantine_equations.html"},
    PageOfContext{1245, "113-Pythagorean_Tripel.html"},
    PageOfContext{1255, "121-Calculation_in_Systems.html"},
    PageOfContext{1260, "122-Calculation_with_Fractions.html"},
    PageOfContext{1265, "123-Calculation_with_Complex_Numbers.html"},
    PageOfContext{1270, "124-Calculation_with_Big_Integers.html"},
    PageOfContext{1300, "200-Geometry_2D.html"},
    PageOfContext{1311, "201-Right-angled_Triangles.html"},
    PageOfContext{1312, "202-Triangles_by_Elements.html"},
    PageOfContext{1313, "203-Triangles_by_Points.html"},
    PageOfContext{1317, "204-Special_lines_in_a_triangle.html"},
    PageOfContext{1321, "205-Regular_Polygons.html"},
    PageOfContext{1322, "206-Arbitrary_Polygons.html"},
    PageOfContext{1323, "207-Mappings_of_Polygons.html"},
    PageOfContext{1324, "208-Mappings_of_Polygons_-_Results.html"},
    PageOfContext{1325, "209-Mappings_of_Polygons_-_Graphic.html"},
    PageOfContext{1326, "210-Circular_Sections.html"},
    PageOfContext{1327, "211-Tangent_lines_to_circles.html"},
    PageOfContext{1328, "212-Tangent_lines_to_circles_-_Calculation.html"},
    PageOfContext{1329, "213-Tangent_lines_to_circles_-_Construction.html"},
    PageOfContext{1330, "321-Coordinate_Systems.html"},
    PageOfContext{1341, "301-Tetrahedron.html"},
    PageOfContext{1342, "302-Hexahedron.html"},
    PageOfContext{1343, "303-Octahedron.html"},
    PageOfContext{1344, "304-Dodecahedron.html"},
    PageOfContext{1345, "305-Icosahedron.html"},
    PageOfContext{1351, "311-Prism.html"},
    PageOfContext{1352, "312-Cylinder.html"},
    PageOfContext{1353, "313-Pyramid.html"},
    PageOfContext{1354, "314-Cone.html"},
    PageOfContext{1355, "315-Sphere.html"},
    PageOfContext{1361, "322-Line_throught_Points.html"},
    PageOfContext{1362, "323-Plane_throught_Points.html"},
    PageOfContext{1363, "324-Sphere_throught_Points.html"},
    PageOfContext{1371, "220-Intersection_of_Lines_2D.html"},
    PageOfContext{1372, "221-Intersection_of_Circle_and_Line.html"},
    PageOfContext{1373, "222-Intersection_of_Circles.html"},
    PageOfContext{1381, "331-Intersection_of_Lines_3D.html"},
    PageOfContext{1382, "332-Intersection_of_Plane_and_Line.html"},
    PageOfContext{1383, "333-Intersection_of_Planes.html"},
    PageOfContext{1384, "334-Intersection_of_Sphere_and_Line.html"},
    PageOfContext{1385, "335-Intersection_of_Sphere_and_Plane.html"},
    PageOfContext{1386, "336-Intersection_of_Spheres.html"},
    PageOfContext{1390, "340-Distances.html"},
    PageOfContext{1395, "350-Distances_on_the_Sphere.html"},
    PageOfContext{1400, "400-Analysis.html"},
    PageOfContext{1402, "406-Sequences_and_Series.html"},
    PageOfContext{1405, "401-Division_of_Polynomials.html"},
    PageOfContext{1407, "402-Factorization_of_Polynomials.html"},
    PageOfContext{1408, "403-Transformation_of_Polynomials.html"},
    PageOfContext{1409, "404-GCF_and_LCM_of_Polynomials.html"},
    PageOfContext{1410, "410-Function_Plotter.html"},
    PageOfContext{1415, "411-Segmentwise_defined_Functions.html"},
    PageOfContext{1420, "412-Parametric_Curves.html"},
    PageOfContext{1425, "413-Family_of_Curves.html"},
    PageOfContext{1427, "414-Polynomial_Functions.html"},
    PageOfContext{1428, "415-Rational_Functions.html"},
    PageOfContext{1430, "416-Curve_Discussion.html"},
    PageOfContext{1435, "420-Newton_Iteration.html"},
    PageOfContext{1440, "421-Series_Expansion.html"},
    PageOfContext{1445, "422-Integral_Calculus.html"},
    PageOfContext{1450, "423-Area_Functions.html"},
    PageOfContext{1500, "500-Stochastics.html"},
    PageOfContext{1510, "501-Statistics.html"},
    PageOfContext{1520, "510-Regression.html"},
    PageOfContext{1521, "511-Regression_-_Formulas.html"},
    PageOfContext{1530, "520-Logistic_Regression.html"},
    PageOfContext{1536, "521-Logistic_Regression_-_Example_2.html"},
    PageOfContext{1537, "522-Logistic_Regression_-_Method.html"},
    PageOfContext{1540, "525-Combinatorial_Analysis.html"},
    PageOfContext{1550, "530-Binomial_Distribution.html"},
    PageOfContext{1560, "531-Hypergeometrical_Distribution.html"},
    PageOfContext{1570, "532-Normal_Distribution.html"},
    PageOfContext{1600, "600-Lineare_Algebra.html"},
    PageOfContext{1610, "601-Linear_Equation_Systems.html"},
    PageOfContext{1615, "603-Linear_Optimization.html"},
    PageOfContext{1620, "605-Linear_Combination.html"},
    PageOfContext{1630, "610-Scalar_Product.html"},
    PageOfContext{1640, "620-Vector_Product.html"},
    PageOfContext{1650, "615-Triple_Product.html"},
    PageOfContext{1660, "625-Matrix_Inversion.html"},
    PageOfContext{1670, "630-Matrix_Multiplication.html"},
    PageOfContext{1680, "635-Pseudoinverse.html"},
};

static_assert(std::is_sorted(kPages.begin(), kPages.end(),
                             [](const PageOfContext& a, const PageOfContext& b) {
                               return a.context < b.context;
                             }));

}  // namespace

QString WebHelpPageName(int context) {
  const auto it = std::lower_bound(
      kPages.begin(), kPages.end(), context,
      [](const PageOfContext& p, int c) { return p.context < c; });
  if (it == kPages.end() || it->context != context) return {};
  return QString::fromLatin1(it->page);
}

QString webHelpLanguagePath(char languageLetter) {
  switch (languageLetter) {
    case 'd': return QStringLiteral("/de/D");
    case 'f': return QStringLiteral("/fr/F");
    case 'i': return QStringLiteral("/it/I");
    case 's': return QStringLiteral("/es/S");
    default: return QStringLiteral("/en/E");
  }
}

QString localHelpFolderName(char languageLetter) {
  switch (languageLetter) {
    case 'd': return QStringLiteral("de");
    case 'f': return QStringLiteral("fr");
    case 'i': return QStringLiteral("it");
    case 's': return QStringLiteral("es");
    default: return QStringLiteral("en");
  }
}

}  // namespace zw
