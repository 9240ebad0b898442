// The texts of the ten solid pages in German, English and French: the task
// text (item 1) and the captions of the quantities, which are also the
// names in the memo. Blanks inside the captions are part of the texts.
#include "topics/solids/SolidsTexts.h"

#include "shell/texts/Texts.h"

namespace zw {

namespace {

// Items shared by the five Platonic pages: 2 and 5 to 8.
constexpr TextItem kPlatonicDe[] = {
    {2, u"Kante a"}, {5, u"Umkugelradius ru"}, {6, u"Inkugelradius ri"}, {7, u"Volumen V"}, {8, u"Oberfläche O"}};
constexpr TextItem kPlatonicEn[] = {
    {2, u"Edge a"}, {5, u"Circumradius rc"}, {6, u"Inradius ri"}, {7, u"Volume V"}, {8, u"Surface S"}};
constexpr TextItem kPlatonicFr[] = {
    {2, u"Arête a"}, {5, u"Rayon circonscrit rc"}, {6, u"Rayon inscrit ri"}, {7, u"Volume V"}, {8, u"Surface S"}};

constexpr TextItem kTetraDe[] = {
    {1, u"Von einem Tetraeder (4 gleiche Flächen) werden die folgenden Größen berechnet, wenn eine von ihnen "
        u"gegeben ist."},
    {3, u"Flächenhöhe h1"}, {4, u"Raumhöhe h2"}};
constexpr TextItem kTetraEn[] = {
    {1, u"Given one of the following elements of a tetrahedron then the others are calculated."},
    {3, u"Apothem h1"}, {4, u"Altitude h2"}};
constexpr TextItem kTetraFr[] = {
    {1, u"Si l'une des grandeurs suivantes d'un tétraèdre (4 faces égales) est donnée, les autres sont "
        u"calculées."},
    {3, u"Hauteur de face h1"}, {4, u"Hauteur h2"}};

constexpr TextItem kHexaDe[] = {
    {1, u"Von einem Hexaeder (6 gleiche Flächen) werden die folgenden Größen berechnet, wenn eine von ihnen "
        u"gegeben ist."},
    {3, u"Flächendiagonale d1"}, {4, u"Raumdiagonale d2"}};
constexpr TextItem kHexaEn[] = {
    {1, u"Given one of the following elements of a hexahedron then the others are calculated."},
    {3, u"Face Diagonal d1"}, {4, u"Body Diagonal d2"}};
constexpr TextItem kHexaFr[] = {
    {1, u"Si l'une des grandeurs suivantes d'un hexaèdre (6 faces égales) est donnée, les autres sont "
        u"calculées."},
    {3, u"Diagonale de face d1"}, {4, u"Diagonale du cube d2"}};

constexpr TextItem kOktaDe[] = {
    {1, u"Von einem Oktaeder (8 gleiche Flächen) werden die folgenden Größen berechnet, wenn eine von ihnen "
        u"gegeben ist."},
    {3, u"Flächenhöhe h1"}, {4, u"Raumhöhe h2"}};
constexpr TextItem kOktaEn[] = {
    {1, u"Given one of the following elements of an octahedron then the others are calculated."},
    {3, u"Apothem h1"}, {4, u"Altitude h2"}};
constexpr TextItem kOktaFr[] = {
    {1, u"Si l'une des grandeurs suivantes d'un octaèdre (8 faces égales) est donnée, les autres sont "
        u"calculées."},
    {3, u"Hauteur de face h1"}, {4, u"Hauteur h2"}};

constexpr TextItem kDodekaDe[] = {
    {1, u"Von einem Dodekaeder (12 gleiche Flächen) werden die folgenden Größen berechnet, wenn eine von ihnen "
        u"gegeben ist."},
    {3, u"Flächendiagonale d"}, {4, u"Flächenhöhe h"}};
constexpr TextItem kDodekaEn[] = {
    {1, u"Given one of the following elements of a dodecahedron then the others are calculated."},
    {3, u"Face Diagonal d"}, {4, u"Face Altitude h"}};
constexpr TextItem kDodekaFr[] = {
    {1, u"Si l'une des grandeurs suivantes d'un dodécaèdre (12 faces égales) est donnée, les autres sont "
        u"calculées."},
    {3, u"Diagonale de face d"}, {4, u"Hauteur de face h"}};

constexpr TextItem kIkosaDe[] = {
    {1, u"Von einem Ikosaeder (20 gleiche Flächen) werden die folgenden Größen berechnet, wenn eine von ihnen "
        u"gegeben ist."},
    {3, u"Flächenhöhe h1"}, {4, u"Raumhöhe h2"}};
constexpr TextItem kIkosaEn[] = {
    {1, u"Given one of the following elements of an icosahedron then the others are calculated."},
    {3, u"Apothem h1"}, {4, u"Altitude h2"}};
constexpr TextItem kIkosaFr[] = {
    {1, u"Si l'une des grandeurs suivantes d'un icosaèdre (20 faces égales) est donnée, les autres sont "
        u"calculées."},
    {3, u"Hauteur de face h1"}, {4, u"Hauteur h2"}};

constexpr TextItem kKugelDe[] = {
    {1, u"Von einer Kugel werden die folgenden Größen berechnet, wenn eine der ersten fünf gegeben ist."},
    {2, u"Radius r"}, {3, u"Durchmesser d"}, {4, u"Umfang u"}, {5, u"Oberfläche O"}, {6, u"Volumen V"},
    {7, u"Breitenkreis"}, {8, u"a"}, {9, u"Radius r'"}, {10, u"Umfang u'"}};
constexpr TextItem kKugelEn[] = {
    {1, u"Given one of the first five elements of a sphere the others are calculated."},
    {2, u"Radius r"}, {3, u"Diameter d"}, {4, u"Perimeter p"}, {5, u"Surface S"}, {6, u"Volume V"},
    {7, u"Parallel circle"}, {8, u"a"}, {9, u"Radius r'"}, {10, u"Perimeter u'"}};
constexpr TextItem kKugelFr[] = {
    {1, u"Si l'une des cinq premières grandeurs d'une sphère est donnée, les autres sont calculées."},
    {2, u"Rayon r"}, {3, u"Diamètre d"}, {4, u"Périmètre p"}, {5, u"Surface S"}, {6, u"Volume V"},
    {7, u"Parallèle"}, {8, u"a"}, {9, u"Rayon r'"}, {10, u"Périmètre p'"}};

constexpr TextItem kKegelDe[] = {
    {1, u"Von einem senkrechten Kreiskegel werden die folgenden Größen berechnet, wenn zwei von ihnen gegeben "
        u"sind."},
    {2, u"Radius r"}, {3, u"Höhe h"}, {4, u"Mantellinie s"}, {5, u"Volumen V"}, {6, u"Mantelfläche M"},
    {7, u"Grundfläche G"}, {8, u"Oberfläche O"}};
constexpr TextItem kKegelEn[] = {
    {1, u"Given two of the following elements of a right circular Cone the others are calculated."},
    {2, u"Radius r"}, {3, u"Altitude h"}, {4, u"Apothem s"}, {5, u"Volume V"}, {6, u"Lateral Surface L"},
    {7, u"Base B"}, {8, u"Surface S"}};
constexpr TextItem kKegelFr[] = {
    {1, u"Si deux des grandeurs suivantes d'un cône circulaire droit sont données, les autres sont calculées."},
    {2, u"Rayon r"}, {3, u"Hauteur h"}, {4, u"Génératrice s"}, {5, u"Volume V"}, {6, u"Surface latérale L"},
    {7, u"Base B"}, {8, u"Surface S"}};

constexpr TextItem kZylDe[] = {
    {1, u"Von einem senkrechten Kreiszylinder werden die folgenden Größen berechnet, wenn zwei von ihnen "
        u"gegeben sind."},
    {2, u"Radius r"}, {3, u"Höhe h"}, {4, u"Umfang u"}, {5, u"Volumen V"}, {6, u"Grundfläche G"},
    {7, u"Mantelfläche M"}, {8, u"Oberfläche O"}};
constexpr TextItem kZylEn[] = {
    {1, u"Given two of the following elements of a right circular cylinder the others will be calculated."},
    {2, u"Radius r"}, {3, u"Altitude h"}, {4, u"Perimeter p"}, {5, u"Volume V"}, {6, u"Base B"},
    {7, u"Lateral Surface L"}, {8, u"Surface S"}};
constexpr TextItem kZylFr[] = {
    {1, u"Si deux des grandeurs suivantes d'un cylindre circulaire droit sont données, les autres sont "
        u"calculées."},
    {2, u"Rayon r"}, {3, u"Hauteur h"}, {4, u"Périmètre p"}, {5, u"Volume V"}, {6, u"Base B"},
    {7, u"Surface latérale L"}, {8, u"Surface S"}};

constexpr TextItem kPyraDe[] = {
    {1, u"Von einer quadratischen Pyramide werden die folgenden Größen berechnet, wenn zwei von ihnen gegeben "
        u"sind."},
    {2, u"Grundkante a"}, {3, u"Seitenkante s"}, {4, u"Raumhöhe h1"}, {5, u"Seitenhöhe h2"}, {6, u"Volumen V"},
    {7, u"Oberfläche O"}, {8, u"Seitenfläche A"}};
constexpr TextItem kPyraEn[] = {
    {1, u"Given two of the following elements of a square pyramid the others are calculated."},
    {2, u"Edge  a"}, {3, u"Lateral edge  s"}, {4, u"Altitude h1"}, {5, u"Apothem h2"}, {6, u"Volume  V"},
    {7, u"Surface  S"}, {8, u"Face  A"}};
constexpr TextItem kPyraFr[] = {
    {1, u"Si deux des grandeurs suivantes d'une pyramide carrée sont données, les autres sont calculées."},
    {2, u"Arête de base a"}, {3, u"Arête latérale s"}, {4, u"Hauteur h1"}, {5, u"Apothème h2"},
    {6, u"Volume V"}, {7, u"Surface S"}, {8, u"Face A"}};

constexpr TextItem kPrismaDe[] = {
    {1, u"Von einem regelmäßigen Prisma werden die folgenden Größen berechnet, wenn zwei von ihnen gegeben "
        u"sind."},
    {2, u"Seite  a"}, {3, u"Höhe  h"}, {4, u"Umkreisradius ru"}, {5, u"Inkreisradius ri "}, {6, u"Volumen  V"},
    {7, u"Grundfläche  G"}, {8, u"Oberfläche  O"}, {9, u"Eckenzahl  n"}};
constexpr TextItem kPrismaEn[] = {
    {1, u"Given two of the following elements of a regular prism the others are calculated."},
    {2, u"Edge  a"}, {3, u"Altitude  h"}, {4, u"Circumradius rc"}, {5, u"Inradius ri"}, {6, u"Volume  V"},
    {7, u"Base  B"}, {8, u"Surface  S"}, {9, u"Vertices  n"}};
constexpr TextItem kPrismaFr[] = {
    {1, u"Si deux des grandeurs suivantes d'un prisme régulier sont données, les autres sont calculées."},
    {2, u"Côté  a"}, {3, u"Hauteur  h"}, {4, u"Rayon circonscrit rc"}, {5, u"Rayon inscrit ri"},
    {6, u"Volume  V"}, {7, u"Base  B"}, {8, u"Surface  S"}, {9, u"Sommets  n"}};

}  // namespace

void RegisterSolidsTexts() {
  static const TextPageRegistration registrations[] = {
      {ITetra, TextLanguage::German, kTetraDe},   {ITetra, TextLanguage::English, kTetraEn},
      {ITetra, TextLanguage::French, kTetraFr},   {IHexa, TextLanguage::German, kHexaDe},
      {IHexa, TextLanguage::English, kHexaEn},    {IHexa, TextLanguage::French, kHexaFr},
      {IOkta, TextLanguage::German, kOktaDe},     {IOkta, TextLanguage::English, kOktaEn},
      {IOkta, TextLanguage::French, kOktaFr},     {IDodeka, TextLanguage::German, kDodekaDe},
      {IDodeka, TextLanguage::English, kDodekaEn}, {IDodeka, TextLanguage::French, kDodekaFr},
      {IIkosa, TextLanguage::German, kIkosaDe},   {IIkosa, TextLanguage::English, kIkosaEn},
      {IIkosa, TextLanguage::French, kIkosaFr},   {IKugel1, TextLanguage::German, kKugelDe},
      {IKugel1, TextLanguage::English, kKugelEn}, {IKugel1, TextLanguage::French, kKugelFr},
      {IKegel, TextLanguage::German, kKegelDe},   {IKegel, TextLanguage::English, kKegelEn},
      {IKegel, TextLanguage::French, kKegelFr},   {IZyl, TextLanguage::German, kZylDe},
      {IZyl, TextLanguage::English, kZylEn},      {IZyl, TextLanguage::French, kZylFr},
      {IPyra, TextLanguage::German, kPyraDe},     {IPyra, TextLanguage::English, kPyraEn},
      {IPyra, TextLanguage::French, kPyraFr},     {IPrisma, TextLanguage::German, kPrismaDe},
      {IPrisma, TextLanguage::English, kPrismaEn}, {IPrisma, TextLanguage::French, kPrismaFr},
  };
  static const TextPageRegistration platonic[] = {
      {ITetra, TextLanguage::German, kPlatonicDe},  {ITetra, TextLanguage::English, kPlatonicEn},
      {ITetra, TextLanguage::French, kPlatonicFr},  {IHexa, TextLanguage::German, kPlatonicDe},
      {IHexa, TextLanguage::English, kPlatonicEn},  {IHexa, TextLanguage::French, kPlatonicFr},
      {IOkta, TextLanguage::German, kPlatonicDe},   {IOkta, TextLanguage::English, kPlatonicEn},
      {IOkta, TextLanguage::French, kPlatonicFr},   {IDodeka, TextLanguage::German, kPlatonicDe},
      {IDodeka, TextLanguage::English, kPlatonicEn}, {IDodeka, TextLanguage::French, kPlatonicFr},
      {IIkosa, TextLanguage::German, kPlatonicDe},  {IIkosa, TextLanguage::English, kPlatonicEn},
      {IIkosa, TextLanguage::French, kPlatonicFr},
  };
  (void)registrations;
  (void)platonic;
}

}  // namespace zw
