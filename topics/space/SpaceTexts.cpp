// Texts of the analytic-geometry topics' pages and of their input dialogs
// (item 0, the title, is built in).
#include "shell/texts/Texts.h"

namespace zw {

namespace {

constexpr TextItem kXKugelDe[] = {
    {1, u"Das Programm bestimmt zu zwei Kugeln den Schnittkreis und die Schnittebene."},
    {2, u"Gegeben sind die beiden Kugeln:"}, {3, u"Schnittkreis:"}, {4, u"Schnittebene:"},
};
constexpr TextItem kXKugelEn[] = {
    {1, u"Given two spheres the program determines the intersection circle and the intersection plane."},
    {2, u"Given the two spheres:"}, {3, u"Intersection circle:"}, {4, u"Intersection plane :"},
};
constexpr TextItem kXKugelFr[] = {
    {1, u"Le programme détermine le cercle et le plan d'intersection de deux sphères."},
    {2, u"Les deux sphères données :"}, {3, u"Cercle d'intersection :"}, {4, u"Plan d'intersection :"},
};

constexpr TextItem kXEbKuDe[] = {
    {1, u"Das Programm bestimmt den Schnittkreis einer Ebene  E  mit einer Kugel  K  um den Mittelpunkt  M  mit "
        u"Radius  r ."},
    {2, u"Ebene :"}, {3, u"Kugel :"}, {4, u"Schnittkreis von K und E :"}, {11, u"durch 3 Pkte"}, {12, u"vektoriell"},
};
constexpr TextItem kXEbKuEn[] = {
    {1, u"The program determines the intersection circle of a plane and a sphere with center  M  and radius  r ."},
    {2, u"Plane :"}, {3, u"Sphere:"}, {4, u"Intersection circle :"}, {11, u"by 3 pts."}, {12, u"vect. equ."},
};
constexpr TextItem kXEbKuFr[] = {
    {1, u"Le programme détermine le cercle d'intersection d'un plan  E  et d'une sphère  K  de centre  M  et de "
        u"rayon  r ."},
    {2, u"Plan :"}, {3, u"Sphère :"}, {4, u"Cercle d'intersection de K et E :"}, {11, u"par 3 points"},
    {12, u"équ. vect."},
};

constexpr TextItem kXGerKDe[] = {
    {1, u"Das Programm bestimmt die Schnittpunkte einer Kugel K und einer Gerade g."},
    {2, u"durch 2 Pkte"}, {3, u"Kugel :"}, {4, u"Gerade :"}, {5, u"Schnittpunkte :"}, {6, u"Länge der Sehne :"},
    {7, u"Berührpunkt :"},
};
constexpr TextItem kXGerKEn[] = {
    {1, u"The program determines the intersection points of a sphere and a line."},
    {2, u"by 2 pts."}, {3, u"Sphere :"}, {4, u"Line :"}, {5, u"Intersection points :"},
    {6, u"Length of the chord :"}, {7, u"Point of tangency :"},
};
constexpr TextItem kXGerKFr[] = {
    {1, u"Le programme détermine les points d'intersection d'une sphère K et d'une droite g."},
    {2, u"par 2 points"}, {3, u"Sphère :"}, {4, u"Droite :"}, {5, u"Points d'intersection :"},
    {6, u"Longueur de la corde :"}, {7, u"Point de contact :"},
};

constexpr TextItem kKugel2De[] = {
    {1, u"Vier Raumpunkte, die nicht in einer Ebene liegen, bestimmen genau eine Kugel. Das Programm stellt die "
        u"Gleichung dieser Kugel auf."},
    {2, u"Kugel durch die Punkte "}, {3, u"Normalform"}, {4, u"Mittelpunkt und Radius"},
};
constexpr TextItem kKugel2En[] = {
    {1, u"Four non-coplanar points determine a sphere. The equation of this sphere is formed."},
    {2, u"Sphere through the points"}, {3, u"Normal form"}, {4, u"Center and radius"},
};
constexpr TextItem kKugel2Fr[] = {
    {1, u"Quatre points de l'espace qui ne sont pas dans un même plan déterminent exactement une sphère. Le "
        u"programme établit l'équation de cette sphère."},
    {2, u"Sphère passant par les points "}, {3, u"Forme normale"}, {4, u"Centre et rayon"},
};

constexpr TextItem kGeradeDe[] = {
    {1, u"Zwei Punkte bestimmen genau eine Gerade. Das Programm stellt ihre Gleichung auf und bestimmt ihre Lage "
        u"zu den Koordinatenebenen."},
    {2, u"Gerade durch"}, {3, u"Parameterdarstellung"}, {4, u"Lage zur xy-Ebene"}, {5, u"Lage zur yz-Ebene"},
    {6, u"Lage zur xz-Ebene"}, {7, u"senkr. Proj."}, {8, u"Schnittpunkt"}, {9, u"Schnittwinkel"},
    {10, u"Abstand vom Ursprung"},
};
constexpr TextItem kGeradeEn[] = {
    {1, u"Two points determine a straight line. Its equation is formed and its position to the co-ordinate "
        u"planes is analyzed."},
    {2, u"Line through "}, {3, u"Parametric representation"}, {4, u"Position to the xy plane"},
    {5, u"Position to the yz plane"}, {6, u"Position to the xz plane"}, {7, u"Orthogonal projection"},
    {8, u"Point of intersection"}, {9, u"Angle of intersection"}, {10, u"Distance from origin"},
};
constexpr TextItem kGeradeFr[] = {
    {1, u"Deux points déterminent exactement une droite. Le programme établit son équation et étudie sa position "
        u"par rapport aux plans de coordonnées."},
    {2, u"Droite passant par"}, {3, u"Représentation paramétrique"}, {4, u"Position par rapport au plan xy"},
    {5, u"Position par rapport au plan yz"}, {6, u"Position par rapport au plan xz"}, {7, u"Proj. orthogonale"},
    {8, u"Point d'intersection"}, {9, u"Angle d'intersection"}, {10, u"Distance de l'origine"},
};

constexpr TextItem kEbeneDe[] = {
    {1, u"Drei Raumpunkte, die nicht auf einer Geraden liegen, bestimmen genau eine Ebene. Das Programm stellt die "
        u"Gleichung dieser Ebene auf."},
    {2, u"Ebene durch die Punkte"}, {3, u"Punkt-Richtungs-Form"}, {4, u"Koordinatengleichung"},
    {5, u"Abstand vom Ursprung"}, {6, u"Spurpunkte"},
};
constexpr TextItem kEbeneEn[] = {
    {1, u"Three non-collinear points determine a plane. The equation of this plane is formed."},
    {2, u"Plane through the points"}, {3, u"Point-slope-form"}, {4, u"Equation in coordinates"},
    {5, u"Distance from origin"}, {6, u"Trace points"},
};
constexpr TextItem kEbeneFr[] = {
    {1, u"Trois points de l'espace qui ne sont pas sur une même droite déterminent exactement un plan. Le "
        u"programme établit l'équation de ce plan."},
    {2, u"Plan passant par les points"}, {3, u"Forme paramétrique"}, {4, u"Équation cartésienne"},
    {5, u"Distance de l'origine"}, {6, u"Points de trace"},
};

constexpr TextItem kGetABCDe[] = {{1, u"Ebene durch die Punkte A, B und C"}};
constexpr TextItem kGetABCEn[] = {{1, u"Plane through the points A, B and C"}};
constexpr TextItem kGetABCFr[] = {{1, u"Plan passant par les points A, B et C"}};

constexpr TextItem kGetVGlDe[] = {{1, u"Vektorgleichung der Ebene"}};
constexpr TextItem kGetVGlEn[] = {{1, u"Vector equation of the plane"}};
constexpr TextItem kGetVGlFr[] = {{1, u"Équation vectorielle du plan"}};

}  // namespace

// Called once from the area's registration.
void RegisterSpaceTexts() {
  static const TextPageRegistration regs[] = {
      {IXKugel, TextLanguage::German, kXKugelDe}, {IXKugel, TextLanguage::English, kXKugelEn},
      {IXKugel, TextLanguage::French, kXKugelFr}, {IXEbKu, TextLanguage::German, kXEbKuDe},
      {IXEbKu, TextLanguage::English, kXEbKuEn},  {IXEbKu, TextLanguage::French, kXEbKuFr},
      {IXGerK, TextLanguage::German, kXGerKDe},   {IXGerK, TextLanguage::English, kXGerKEn},
      {IXGerK, TextLanguage::French, kXGerKFr},   {IKugel2, TextLanguage::German, kKugel2De},
      {IKugel2, TextLanguage::English, kKugel2En}, {IKugel2, TextLanguage::French, kKugel2Fr},
      {IGerade, TextLanguage::German, kGeradeDe}, {IGerade, TextLanguage::English, kGeradeEn},
      {IGerade, TextLanguage::French, kGeradeFr}, {IEbene, TextLanguage::German, kEbeneDe},
      {IEbene, TextLanguage::English, kEbeneEn},  {IEbene, TextLanguage::French, kEbeneFr},
      {IGetABC, TextLanguage::German, kGetABCDe}, {IGetABC, TextLanguage::English, kGetABCEn},
      {IGetABC, TextLanguage::French, kGetABCFr}, {IGetVGl, TextLanguage::German, kGetVGlDe},
      {IGetVGl, TextLanguage::English, kGetVGlEn}, {IGetVGl, TextLanguage::French, kGetVGlFr},
  };
  (void)regs;
}

}  // namespace zw
