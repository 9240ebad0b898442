// Texts of the plane-geometry topics' pages (item 0, the title, is built in).
#include "topics/plane/PlaneTopics.h"

#include "shell/texts/Texts.h"

namespace zw {

namespace {

constexpr TextItem kXKreisDe[] = {
    {1, u"Das Programm bestimmt die Schnittpunkte von zwei Kreisen und ihre Verbindungsgerade"},
    {2, u"Gegeben sind die Kreise"}, {3, u"Schnittpunkte"}, {4, u"Verbindungsgerade"}, {5, u"Berührpunkt"},
    {6, u"Berührtangente"}, {7, u"Die beiden Kreise schneiden sich nicht"},
};
constexpr TextItem kXKreisEn[] = {
    {1, u"The program finds the points of intersection of two circles and the line through them"},
    {2, u"Given circles"}, {3, u"Points of intersection"}, {4, u"Line through the points"},
    {5, u"Point of contact"}, {6, u"Common tangent"}, {7, u"The two circles do not intersect"},
};
constexpr TextItem kXKreisFr[] = {
    {1, u"Le programme calcule les points d'intersection de deux cercles et la droite qui les relie"},
    {2, u"Cercles donnés"}, {3, u"Points d'intersection"}, {4, u"Droite de liaison"}, {5, u"Point de contact"},
    {6, u"Tangente commune"}, {7, u"Les deux cercles ne se coupent pas"},
};

constexpr TextItem kXGerKrDe[] = {
    {1, u"Das Programm bestimmt die Schnittpunkte von einem Kreis und einer Gerade."},
    {2, u"g durch 2 Pkte"}, {3, u"Kreis und Gerade"}, {5, u"Schnittpunkte"}, {7, u"Berührpunkt"},
    {8, u"Kreis und Gerade schneiden sich nicht"},
};
constexpr TextItem kXGerKrEn[] = {
    {1, u"The program finds the points of intersection of a circle and a line."},
    {2, u"g by 2 points"}, {3, u"Circle and line"}, {5, u"Points of intersection"}, {7, u"Point of contact"},
    {8, u"Circle and line do not intersect"},
};
constexpr TextItem kXGerKrFr[] = {
    {1, u"Le programme calcule les points d'intersection d'un cercle et d'une droite."},
    {2, u"g par 2 points"}, {3, u"Cercle et droite"}, {5, u"Points d'intersection"}, {7, u"Point de contact"},
    {8, u"Le cercle et la droite ne se coupent pas"},
};

constexpr TextItem kXGer2dDe[] = {
    {1, u"Das Programm bestimmt zu zwei Geraden den Schnittpunkt, den Schnittwinkel und die Abstände vom Ursprung."},
    {2, u"Schnittpunkt von g und h"}, {3, u"Winkel zwischen g und h"}, {4, u"Abstände zum Ursprung"},
    {5, u"g durch 2 Pkte"}, {6, u"h durch 2 Pkte"}, {7, u"g und h sind parallel"}, {8, u"g und h sind identisch"},
};
constexpr TextItem kXGer2dEn[] = {
    {1, u"The program finds the point of intersection of two lines, the angle between them and their distances "
        u"from the origin."},
    {2, u"Intersection of g and h"}, {3, u"Angle between g and h"}, {4, u"Distances from the origin"},
    {5, u"g by 2 points"}, {6, u"h by 2 points"}, {7, u"g and h are parallel"}, {8, u"g and h are identical"},
};
constexpr TextItem kXGer2dFr[] = {
    {1, u"Le programme calcule le point d'intersection de deux droites, leur angle et leurs distances de "
        u"l'origine."},
    {2, u"Intersection de g et h"}, {3, u"Angle entre g et h"}, {4, u"Distances de l'origine"},
    {5, u"g par 2 points"}, {6, u"h par 2 points"}, {7, u"g et h sont parallèles"}, {8, u"g et h sont identiques"},
};

constexpr TextItem kX2dDe[] = {{1, u"Gerade"}, {2, u"Kreis"}};
constexpr TextItem kX2dEn[] = {{1, u"Line"}, {2, u"Circle"}};
constexpr TextItem kX2dFr[] = {{1, u"Droite"}, {2, u"Cercle"}};

constexpr TextItem kKreisDe[] = {
    {1, u"Sind zwei der folgenden Größen eines Kreissektors gegeben,so werden die anderen berechnet."},
    {2, u"Radius r"}, {3, u"Winkel"}, {4, u"Bogen b"}, {5, u"Sehne s"}, {6, u"Kreissektor A1"},
    {7, u"Kreissegment A2"}, {8, u"Kreisfläche A"}, {9, u"Kreisumfang u"}, {10, u"Abstand d"}, {11, u"Pfeilhöhe h"},
};
constexpr TextItem kKreisEn[] = {
    {1, u"When two of the following quantities of a circular sector are given, the others are computed."},
    {2, u"Radius r"}, {3, u"Angle"}, {4, u"Arc b"}, {5, u"Chord s"}, {6, u"Sector A1"},
    {7, u"Segment A2"}, {8, u"Circle area A"}, {9, u"Circumference u"}, {10, u"Distance d"}, {11, u"Height h"},
};
constexpr TextItem kKreisFr[] = {
    {1, u"Si deux des grandeurs suivantes d'un secteur circulaire sont données, les autres sont calculées."},
    {2, u"Rayon r"}, {3, u"Angle"}, {4, u"Arc b"}, {5, u"Corde s"}, {6, u"Secteur A1"},
    {7, u"Segment A2"}, {8, u"Aire du cercle A"}, {9, u"Circonférence u"}, {10, u"Distance d"}, {11, u"Flèche h"},
};

constexpr TextItem kTangDe[] = {
    {1, u"Das Programm bestimmt Tangenten an einen Kreis oder an zwei Kreise, ihre Berührpunkte und die "
        u"Hilfslinien ihrer Konstruktion."},
    {2, u"Die Tangente an einen Kreis k in einem Punkt B"},
    {3, u"Die Tangenten an einen Kreis k  durch einen Punkt P außerhalb des Kreises"},
    {4, u"Die Tangenten an einen Kreis k parallel zu einer Geraden g"},
    {5, u"Die Tangenten an zwei Kreise k1 und k2."},
    {6, u"Polare"}, {7, u"P liegt innerhalb von k"}, {8, u"k2 liegt ganz in k1"}, {9, u"Lotgerade"},
    {10, u"Berührpunkte"}, {11, u"Tangente an k in B"}, {12, u"Tangenten an k durch P"},
    {13, u"Tangenten an k parallel zu g"}, {14, u"Tangenten an k1 und k2"}, {15, u"Äußere Tangenten"},
    {16, u"Innere Tangenten"},
};
constexpr TextItem kTangEn[] = {
    {1, u"The program finds tangents to one circle or to two circles, their points of contact and the lines "
        u"of their construction."},
    {2, u"The tangent to a circle k at a point B"},
    {3, u"The tangents to a circle k through a point P outside the circle"},
    {4, u"The tangents to a circle k parallel to a line g"},
    {5, u"The tangents to two circles k1 and k2."},
    {6, u"Polar"}, {7, u"P lies inside k"}, {8, u"k2 lies inside k1"}, {9, u"Perpendicular"},
    {10, u"Points of contact"}, {11, u"Tangent to k at B"}, {12, u"Tangents to k through P"},
    {13, u"Tangents to k parallel to g"}, {14, u"Tangents to k1 and k2"}, {15, u"Outer tangents"},
    {16, u"Inner tangents"},
};
constexpr TextItem kTangFr[] = {
    {1, u"Le programme calcule les tangentes à un cercle ou à deux cercles, leurs points de contact et les "
        u"lignes de leur construction."},
    {2, u"La tangente à un cercle k en un point B"},
    {3, u"Les tangentes à un cercle k passant par un point P extérieur au cercle"},
    {4, u"Les tangentes à un cercle k parallèles à une droite g"},
    {5, u"Les tangentes à deux cercles k1 et k2."},
    {6, u"Polaire"}, {7, u"P est à l'intérieur de k"}, {8, u"k2 est à l'intérieur de k1"}, {9, u"Perpendiculaire"},
    {10, u"Points de contact"}, {11, u"Tangente à k en B"}, {12, u"Tangentes à k par P"},
    {13, u"Tangentes à k parallèles à g"}, {14, u"Tangentes à k1 et k2"}, {15, u"Tangentes extérieures"},
    {16, u"Tangentes intérieures"},
};

// The words the triangle topics share (item 0 and the English-only items
// 13 .. 17 are the shell's).
constexpr TextItem kDreiDe[] = {
    {1, u"Ecken"}, {2, u"Seiten"}, {3, u"Winkel"}, {4, u"Höhen"}, {5, u"Seitenhalbierende"},
    {6, u"Winkelhalbierende"}, {7, u"Umkreis"}, {8, u"Inkreis"}, {9, u"Fläche"}, {10, u"Umfang"},
    {11, u"Schnittpunkt"}, {12, u"Mittelsenkrechte"}, {18, u"Ankreise"}, {19, u"Ankreis"},
    {20, u"Ankreisradius"}, {21, u"Höhenschnittpunkt"}, {22, u"Schwerpunkt"}, {23, u"Lotfußpunkte"},
    {25, u"Feuerbachkreis"},
};
constexpr TextItem kDreiEn[] = {
    {1, u"Vertices"}, {2, u"Sides"}, {3, u"Angles"}, {4, u"Altitudes"}, {5, u"Medians"},
    {6, u"Angle bisectors"}, {7, u"Circumcircle"}, {8, u"Incircle"}, {9, u"Area"}, {10, u"Perimeter"},
    {11, u"Intersection"}, {12, u"Perpendicular bisectors"}, {18, u"Excircles"}, {19, u"Excircle"},
    {20, u"Exradius"}, {21, u"Orthocentre"}, {22, u"Centroid"}, {23, u"Feet of the altitudes"},
    {25, u"Nine-point circle"},
};
constexpr TextItem kDreiFr[] = {
    {1, u"Sommets"}, {2, u"Côtés"}, {3, u"Angles"}, {4, u"Hauteurs"}, {5, u"Médianes"},
    {6, u"Bissectrices"}, {7, u"Cercle circonscrit"}, {8, u"Cercle inscrit"}, {9, u"Aire"}, {10, u"Périmètre"},
    {11, u"Intersection"}, {12, u"Médiatrices"}, {18, u"Cercles exinscrits"}, {19, u"Cercle exinscrit"},
    {20, u"Rayon exinscrit"}, {21, u"Orthocentre"}, {22, u"Centre de gravité"}, {23, u"Pieds des hauteurs"},
    {25, u"Cercle d'Euler"},
};

constexpr TextItem kPoly1De[] = {
    {1, u"Von einem regelmäßigen Vieleck mit  n  Ecken werden die folgenden Größen berechnet, wenn davon eine "
        u"gegeben ist."},
    {2, u"Seite  a"}, {3, u"Umkreisradius ru"}, {4, u"Inkreisradius ri"}, {5, u"Umfang  u"}, {6, u"Fläche  A"},
    {7, u"Eckenzahl  n"},
};
constexpr TextItem kPoly1En[] = {
    {1, u"Of a regular polygon with  n  vertices the following quantities are computed when one of them is given."},
    {2, u"Side  a"}, {3, u"Circumradius ru"}, {4, u"Inradius ri"}, {5, u"Perimeter  u"}, {6, u"Area  A"},
    {7, u"Vertices  n"},
};
constexpr TextItem kPoly1Fr[] = {
    {1, u"D'un polygone régulier à  n  sommets, les grandeurs suivantes sont calculées lorsque l'une d'elles est "
        u"donnée."},
    {2, u"Côté  a"}, {3, u"Rayon circonscrit ru"}, {4, u"Rayon inscrit ri"}, {5, u"Périmètre  u"}, {6, u"Aire  A"},
    {7, u"Sommets  n"},
};

constexpr TextItem kDrei1De[] = {
    {1, u"Von den neun Größen eines rechtwinkligen Dreiecks (rechter Winkel bei C) werden zwei eingegeben; "
        u"die anderen werden berechnet."},
    {2, u"Kathete"}, {3, u"Katheten"}, {4, u"Hypotenuse"}, {5, u"Winkel"}, {6, u"Hypot.abschnitt"}, {7, u"Höhe"},
    {8, u"Flächeninhalt"},
};
constexpr TextItem kDrei1En[] = {
    {1, u"Enter two of the nine quantities of a right triangle (right angle at C); the others are computed."},
    {2, u"Leg"}, {3, u"Legs"}, {4, u"Hypotenuse"}, {5, u"Angle"}, {6, u"Hyp. segment"}, {7, u"Altitude"},
    {8, u"Area"},
};
constexpr TextItem kDrei1Fr[] = {
    {1, u"Entrez deux des neuf grandeurs d'un triangle rectangle (angle droit en C) ; les autres sont calculées."},
    {2, u"Cathète"}, {3, u"Cathètes"}, {4, u"Hypoténuse"}, {5, u"Angle"}, {6, u"Segment hyp."}, {7, u"Hauteur"},
    {8, u"Aire"},
};

constexpr TextItem kDrei2De[] = {
    {1, u"Aus drei Größen eines Dreiecks, darunter mindestens einer Seite, werden die übrigen berechnet."},
    {2, u"1. Lösung"}, {3, u"2. Lösung"}, {4, u"Keine 2. Lösung"},
};
constexpr TextItem kDrei2En[] = {
    {1, u"Three quantities of a triangle, at least one of them a side, give all the others."},
    {2, u"1st solution"}, {3, u"2nd solution"}, {4, u"No 2nd solution"},
};
constexpr TextItem kDrei2Fr[] = {
    {1, u"Trois grandeurs d'un triangle, dont au moins un côté, donnent toutes les autres."},
    {2, u"1re solution"}, {3, u"2e solution"}, {4, u"Pas de 2e solution"},
};

constexpr TextItem kDrei3De[] = {
    {1, u"Aus den Koordinaten der Ecken A, B und C eines Dreiecks werden Seiten, Winkel, Höhen, "
        u"Seitenhalbierende, Winkelhalbierende, Umkreis, Inkreis, Fläche und Umfang berechnet."},
};
constexpr TextItem kDrei3En[] = {
    {1, u"From the coordinates of the vertices A, B and C of a triangle its sides, angles, altitudes, medians, "
        u"angle bisectors, circumcircle, incircle, area and perimeter are computed."},
};
constexpr TextItem kDrei3Fr[] = {
    {1, u"À partir des coordonnées des sommets A, B et C d'un triangle, on calcule ses côtés, angles, hauteurs, "
        u"médianes, bissectrices, cercle circonscrit, cercle inscrit, aire et périmètre."},
};

constexpr TextItem kBesGerDe[] = {
    {1, u"Aus den Koordinaten der Ecken A, B und C eines Dreiecks werden die Gleichungen seiner besonderen "
        u"Geraden, ihre Schnittpunkte und die besonderen Kreise berechnet. Die Auswahl bestimmt, was "
        u"aufgelistet und gezeichnet wird."},
    {13, u"Gezeichnet werden:"},
};
constexpr TextItem kBesGerEn[] = {
    {1, u"From the coordinates of the vertices A, B and C of a triangle the equations of its special lines, "
        u"their points of intersection and the special circles are computed. The selection decides what is "
        u"listed and drawn."},
    {13, u"To be drawn:"},
};
constexpr TextItem kBesGerFr[] = {
    {1, u"À partir des coordonnées des sommets A, B et C d'un triangle, on calcule les équations de ses droites "
        u"remarquables, leurs points d'intersection et les cercles remarquables. La sélection décide de ce qui "
        u"est listé et dessiné."},
    {13, u"Sont dessinés :"},
};

constexpr TextItem kPoly2De[] = {
    {1, u"Berechnet werden Fläche, Umfang und Schwerpunkt eines n-Ecks."},
    {2, u"Ecken"}, {3, u"Fläche  A"}, {4, u"Umfang  u"}, {5, u"Eckenschwerpunkt"}, {6, u"ES"},
    {7, u"Flächenschwerpunkt"}, {8, u"FS"}, {11, u"Konvexes Vieleck"}, {12, u"Konkaves Vieleck"},
    {13, u"Überschlagendes Vieleck"}, {14, u"Sehnenvieleck"}, {15, u"Tangentenvieleck"},
};
constexpr TextItem kPoly2En[] = {
    {1, u"The area, perimeter and centroid of an n-gon are computed."},
    {2, u"Vertices"}, {3, u"Area  A"}, {4, u"Perimeter  u"}, {5, u"Centroid of the vertices"}, {6, u"VC"},
    {7, u"Centroid of the area"}, {8, u"AC"}, {11, u"Convex polygon"}, {12, u"Concave polygon"},
    {13, u"Self-intersecting polygon"}, {14, u"Cyclic polygon"}, {15, u"Tangential polygon"},
};
constexpr TextItem kPoly2Fr[] = {
    {1, u"On calcule l'aire, le périmètre et le centre de gravité d'un polygone à n sommets."},
    {2, u"Sommets"}, {3, u"Aire  A"}, {4, u"Périmètre  u"}, {5, u"Centre des sommets"}, {6, u"CS"},
    {7, u"Centre de gravité de l'aire"}, {8, u"CG"}, {11, u"Polygone convexe"}, {12, u"Polygone concave"},
    {13, u"Polygone croisé"}, {14, u"Polygone inscriptible"}, {15, u"Polygone circonscriptible"},
};

constexpr TextItem kAbbDe[] = {
    {1, u"Geben Sie das n-Eck ein und definieren Sie die Abbildungen."}, {100, u"n-Eck"},
    {201, u"Ersetzen"}, {202, u"Kopieren"}, {203, u"Ausschn."}, {204, u"Anfügen"}, {205, u"Einfügen"},
    {206, u"Konstruktion"}, {210, u"Parallelverschiebung"}, {211, u"Verschiebungsvektor"},
    {220, u"Geradenspiegelung"}, {221, u"Spiegelachse durch die Punkte"}, {230, u"Punktspiegelung"},
    {231, u"Spiegelzentrum"}, {240, u"Drehung"}, {241, u"Drehzentrum"}, {242, u"Drehwinkel"},
    {250, u"Zentrische Streckung"}, {251, u"Streckzentrum"}, {252, u"Streckfaktor"}, {260, u"Scherung"},
    {261, u"Scherungsachse durch"}, {262, u"Scherungswinkel"}, {301, u"Urbild"},
};
constexpr TextItem kAbbEn[] = {
    {1, u"Enter the n-gon and define the mappings."}, {100, u"n-gon"},
    {201, u"Replace"}, {202, u"Copy"}, {203, u"Cut"}, {204, u"Append"}, {205, u"Insert"},
    {206, u"Construction"}, {210, u"Translation"}, {211, u"Translation vector"},
    {220, u"Reflection in a line"}, {221, u"Axis through the points"}, {230, u"Point reflection"},
    {231, u"Centre of reflection"}, {240, u"Rotation"}, {241, u"Centre of rotation"}, {242, u"Angle of rotation"},
    {250, u"Central dilation"}, {251, u"Centre of dilation"}, {252, u"Scale factor"}, {260, u"Shear"},
    {261, u"Shear axis through"}, {262, u"Shear angle"}, {301, u"Pre-image"},
};
constexpr TextItem kAbbFr[] = {
    {1, u"Entrez le polygone et définissez les applications."}, {100, u"Polygone"},
    {201, u"Remplacer"}, {202, u"Copier"}, {203, u"Couper"}, {204, u"Ajouter"}, {205, u"Insérer"},
    {206, u"Construction"}, {210, u"Translation"}, {211, u"Vecteur de translation"},
    {220, u"Symétrie axiale"}, {221, u"Axe passant par les points"}, {230, u"Symétrie centrale"},
    {231, u"Centre de symétrie"}, {240, u"Rotation"}, {241, u"Centre de rotation"}, {242, u"Angle de rotation"},
    {250, u"Homothétie"}, {251, u"Centre d'homothétie"}, {252, u"Rapport"}, {260, u"Transvection"},
    {261, u"Axe de transvection par"}, {262, u"Angle de transvection"}, {301, u"Figure initiale"},
};

}  // namespace

// Called once from the area's registration.
void RegisterPlaneTexts() {
  static const TextPageRegistration regs[] = {
      {IXKreis, TextLanguage::German, kXKreisDe}, {IXKreis, TextLanguage::English, kXKreisEn},
      {IXKreis, TextLanguage::French, kXKreisFr}, {IXGerKr, TextLanguage::German, kXGerKrDe},
      {IXGerKr, TextLanguage::English, kXGerKrEn}, {IXGerKr, TextLanguage::French, kXGerKrFr},
      {IXGer2d, TextLanguage::German, kXGer2dDe}, {IXGer2d, TextLanguage::English, kXGer2dEn},
      {IXGer2d, TextLanguage::French, kXGer2dFr},
      {IX2d, TextLanguage::German, kX2dDe},       {IX2d, TextLanguage::English, kX2dEn},
      {IX2d, TextLanguage::French, kX2dFr},       {IKreis, TextLanguage::German, kKreisDe},
      {IKreis, TextLanguage::English, kKreisEn},  {IKreis, TextLanguage::French, kKreisFr},
      {ITang, TextLanguage::German, kTangDe},     {ITang, TextLanguage::English, kTangEn},
      {ITang, TextLanguage::French, kTangFr},
      {IDrei, TextLanguage::German, kDreiDe},     {IDrei, TextLanguage::English, kDreiEn},
      {IDrei, TextLanguage::French, kDreiFr},     {IPoly1, TextLanguage::German, kPoly1De},
      {IPoly1, TextLanguage::English, kPoly1En},  {IPoly1, TextLanguage::French, kPoly1Fr},
      {IDrei1, TextLanguage::German, kDrei1De},   {IDrei1, TextLanguage::English, kDrei1En},
      {IDrei1, TextLanguage::French, kDrei1Fr},   {IDrei2, TextLanguage::German, kDrei2De},
      {IDrei2, TextLanguage::English, kDrei2En},  {IDrei2, TextLanguage::French, kDrei2Fr},
      {IDrei3, TextLanguage::German, kDrei3De},   {IDrei3, TextLanguage::English, kDrei3En},
      {IDrei3, TextLanguage::French, kDrei3Fr},   {IBesGer, TextLanguage::German, kBesGerDe},
      {IBesGer, TextLanguage::English, kBesGerEn}, {IBesGer, TextLanguage::French, kBesGerFr},
      {IPoly2, TextLanguage::German, kPoly2De},   {IPoly2, TextLanguage::English, kPoly2En},
      {IPoly2, TextLanguage::French, kPoly2Fr},   {IAbb, TextLanguage::German, kAbbDe},
      {IAbb, TextLanguage::English, kAbbEn},      {IAbb, TextLanguage::French, kAbbFr},
  };
  (void)regs;
}

}  // namespace zw
