// Texts of the analysis topics' pages (item 0, the title, is built in).
#include "topics/analysis/AnalysisTopics.h"

#include "shell/texts/Texts.h"

namespace zw {

namespace {

constexpr TextItem kPolDivDe[] = {
    {1, u"Berechnet werden Produkt, Quotient und Rest zweier Polynome p₁ und p₂ vom Grad ≤ 9 "
        u"mit Brüchen als Koeffizienten."},
    {2, u"Polynom"}, {3, u"Produkt"}, {4, u"Quotient"}, {5, u"Rest"}, {6, u"Koeff. dezimal"},
};
constexpr TextItem kPolDivEn[] = {
    {1, u"Computes the product, the quotient and the remainder of two polynomials p₁ and p₂ of degree ≤ 9 "
        u"with fractions as coefficients."},
    {2, u"Polynomial"}, {3, u"Product"}, {4, u"Quotient"}, {5, u"Remainder"}, {6, u"Decimal coeff."},
};
constexpr TextItem kPolDivFr[] = {
    {1, u"Calcule le produit, le quotient et le reste de deux polynômes p₁ et p₂ de degré ≤ 9 "
        u"à coefficients fractionnaires."},
    {2, u"Polynôme"}, {3, u"Produit"}, {4, u"Quotient"}, {5, u"Reste"}, {6, u"Coeff. décimaux"},
};

constexpr TextItem kPolyggTDe[] = {
    {1, u"Berechnet werden ein größter gemeinsamer Teiler (ggT) und das kleinste gemeinsame Vielfache (kgV) "
        u"zweier Polynome p₁ und p₂ vom Grad 1 bis 9."},
};
constexpr TextItem kPolyggTEn[] = {
    {1, u"Computes a greatest common factor (G.C.F.) and the least common multiple (L.C.M.) "
        u"of two polynomials p₁ and p₂ of degree 1 to 9."},
};
constexpr TextItem kPolyggTFr[] = {
    {1, u"Calcule un plus grand commun diviseur (PGCD) et le plus petit commun multiple (PPCM) "
        u"de deux polynômes p₁ et p₂ de degré 1 à 9."},
};

constexpr TextItem kPolFakDe[] = {
    {1, u"Ein Polynom vom Grad 1 bis 9 mit Brüchen als Koeffizienten wird in Linearfaktoren seiner "
        u"rationalen Nullstellen und einen Restfaktor zerlegt."},
    {2, u"Rationale Nullstellen"}, {3, u"Keine rationalen Nullstellen"}, {4, u"Irrationale Nullstellen"},
};
constexpr TextItem kPolFakEn[] = {
    {1, u"A polynomial of degree 1 to 9 with fractions as coefficients is split into the linear factors "
        u"of its rational zeros and a remaining factor."},
    {2, u"Rational zeros"}, {3, u"No rational zeros"}, {4, u"Irrational zeros"},
};
constexpr TextItem kPolFakFr[] = {
    {1, u"Un polynôme de degré 1 à 9 à coefficients fractionnaires est décomposé en facteurs linéaires "
        u"de ses zéros rationnels et un facteur restant."},
    {2, u"Zéros rationnels"}, {3, u"Pas de zéros rationnels"}, {4, u"Zéros irrationnels"},
};

constexpr TextItem kPolTransDe[] = {
    {1, u"Der Graph eines Polynoms vom Grad ≤ 9 wird in x- und y-Richtung verschoben oder gestreckt."},
    {2, u"Verschiebung um"}, {3, u"Streckung um"},
};
constexpr TextItem kPolTransEn[] = {
    {1, u"The graph of a polynomial of degree ≤ 9 is shifted or stretched in x- and y-direction."},
    {2, u"Shift by"}, {3, u"Stretch by"},
};
constexpr TextItem kPolTransFr[] = {
    {1, u"Le graphe d'un polynôme de degré ≤ 9 est translaté ou étiré dans la direction x et y."},
    {2, u"Translation de"}, {3, u"Étirement de"},
};

constexpr TextItem kFolgenDe[] = {
    {1, u"Die ersten n Glieder a[0] ... a[n-1] einer Folge werden aus Anfangsgliedern und einem Term für a[i] "
        u"berechnet, der i und frühere Glieder a[k] enthalten darf (z. B. a[i-1] + a[i-2]); dazu die "
        u"Partialsummen der Reihe."},
    {2, u"Folge"}, {3, u"Reihe"}, {4, u"  numeriert"},
};
constexpr TextItem kFolgenEn[] = {
    {1, u"The first n terms a[0] ... a[n-1] of a sequence are computed from start terms and a term for a[i] "
        u"that may contain i and earlier terms a[k] (for example a[i-1] + a[i-2]), together with the "
        u"partial sums of the series."},
    {2, u"Sequence"}, {3, u"Series"}, {4, u"  numbered"},
};
constexpr TextItem kFolgenFr[] = {
    {1, u"Les n premiers termes a[0] ... a[n-1] d'une suite sont calculés à partir des termes initiaux et "
        u"d'un terme pour a[i] qui peut contenir i et des termes précédents a[k] (par ex. a[i-1] + a[i-2]), "
        u"ainsi que les sommes partielles de la série."},
    {2, u"Suite"}, {3, u"Série"}, {4, u"  numérotés"},
};

constexpr TextItem kIterDe[] = {
    {1, u"Approximation einer Nullstelle von ƒ(x) nach dem Verfahren von Newton mit Startwert xₒ."},
};
constexpr TextItem kIterEn[] = {
    {1, u"Approximation of a zero of ƒ(x) by Newton's method with the start value xₒ."},
};
constexpr TextItem kIterFr[] = {
    {1, u"Approximation d'un zéro de ƒ(x) par la méthode de Newton avec la valeur initiale xₒ."},
};

constexpr TextItem kPlot3dDe[] = {
    {1, u"Gezeichnet wird eine Flächenfunktion  ƒ(x,y) , die  u  enthalten darf."},
    {2, u"ƒ(x,y) = "}, {3, u"u(x,y) = "}, {8, u"Zahl der Linien  : "}, {9, u" symmetrisch"}, {10, u" anpassen"},
    {11, u" einfärben"},
};
constexpr TextItem kPlot3dEn[] = {
    {1, u"Draws a surface function  ƒ(x,y) , which may contain  u ."},
    {2, u"ƒ(x,y) = "}, {3, u"u(x,y) = "}, {8, u"Number of lines  : "}, {9, u" symmetric"}, {10, u" fit"},
    {11, u" colour"},
};
constexpr TextItem kPlot3dFr[] = {
    {1, u"Trace une fonction de surface  ƒ(x,y) , qui peut contenir  u ."},
    {2, u"ƒ(x,y) = "}, {3, u"u(x,y) = "}, {8, u"Nombre de lignes  : "}, {9, u" symétrique"}, {10, u" ajuster"},
    {11, u" colorer"},
};

constexpr TextItem kFPlot1De[] = {
    {1, u"Geben Sie die Funktionsterme ein, deren Kurven gezeichnet werden sollen."},
    {2, u"Funktionsterme"}, {4, u"Winkelmodus"},
};
constexpr TextItem kFPlot1En[] = {
    {1, u"Enter the terms of the functions whose graphs are to be drawn."},
    {2, u"Function terms"}, {4, u"Angle mode"},
};
constexpr TextItem kFPlot1Fr[] = {
    {1, u"Entrez les termes des fonctions dont les courbes doivent être tracées."},
    {2, u"Termes des fonctions"}, {4, u"Mode angulaire"},
};

constexpr TextItem kKudisDe[] = {
    {1, u"Eine beliebige Funktion wird in einem vorgegebenen Bereich auf Nullstellen, Extrema und Wendepunkte "
        u"untersucht."},
    {11, u"Funktion"}, {12, u"Untersuchung im Bereich von"}, {13, u"bis"}, {15, u"Winkelmodus"},
    {20, u"Ableitungen"}, {31, u"Nullstellen"}, {32, u"Extrema"}, {33, u"Wendepunkte"},
};
constexpr TextItem kKudisEn[] = {
    {1, u"An arbitrary function is examined on a given range for zeros, extrema and points of inflection."},
    {11, u"Function"}, {12, u"Examined on the range from"}, {13, u"to"}, {15, u"Angle mode"},
    {20, u"Derivatives"}, {31, u"Zeros"}, {32, u"Extrema"}, {33, u"Points of inflection"},
};
constexpr TextItem kKudisFr[] = {
    {1, u"Une fonction arbitraire est étudiée sur un intervalle donné : zéros, extremums et points d'inflexion."},
    {11, u"Fonction"}, {12, u"Étude sur l'intervalle de"}, {13, u"à"}, {15, u"Mode angulaire"},
    {20, u"Dérivées"}, {31, u"Zéros"}, {32, u"Extremums"}, {33, u"Points d'inflexion"},
};

constexpr TextItem kIntegDe[] = {
    {1, u"Berechnet wird das Integral über ƒ1-ƒ2 in den Grenzen von a bis b. Auf Wunsch werden zusätzlich die "
        u"Bogenlängen im Intervall  [a;b]  sowie die Drehmomente und Rotationsvolumen bei Drehung um die x- bzw. "
        u"y-Achse berechnet."},
    {2, u"Intervall  [a;b]  von "}, {3, u"bis"}, {4, u"Orientierter Inhalt"}, {5, u"Absoluter Inhalt"},
    {6, u"Drehmomente"}, {7, u"Rotationsvolumen"}, {8, u"Schwerpunkt"}, {9, u"Bogenlängen"},
};
constexpr TextItem kIntegEn[] = {
    {1, u"Computes the integral of ƒ1-ƒ2 from a to b. On request also the arc lengths on the interval  [a;b] , "
        u"the moments and the volumes of rotation about the x- and the y-axis."},
    {2, u"Interval  [a;b]  from "}, {3, u"to"}, {4, u"Oriented area"}, {5, u"Absolute area"},
    {6, u"Moments"}, {7, u"Volumes of rotation"}, {8, u"Centroid"}, {9, u"Arc lengths"},
};
constexpr TextItem kIntegFr[] = {
    {1, u"Calcule l'intégrale de ƒ1-ƒ2 de a à b. Sur demande aussi les longueurs d'arc sur l'intervalle  [a;b] , "
        u"les moments et les volumes de révolution autour de l'axe des x et de l'axe des y."},
    {2, u"Intervalle  [a;b]  de "}, {3, u"à"}, {4, u"Aire orientée"}, {5, u"Aire absolue"},
    {6, u"Moments"}, {7, u"Volumes de révolution"}, {8, u"Centre de gravité"}, {9, u"Longueurs d'arc"},
};

constexpr TextItem kFPlot2De[] = {
    {1, u"Gezeichnet wird eine abschnittsweise definierte Funktion aus ƒ1 bis ƒ9."},
    {2, u"Funktionsterme"}, {4, u"  von"}, {5, u"  bis"}, {6, u" Randpunkte zeichnen"}, {7, u"Winkelmodus"},
};
constexpr TextItem kFPlot2En[] = {
    {1, u"Draws a function defined piece by piece from ƒ1 to ƒ9."},
    {2, u"Function terms"}, {4, u"  from"}, {5, u"  to"}, {6, u" Draw end points"}, {7, u"Angle mode"},
};
constexpr TextItem kFPlot2Fr[] = {
    {1, u"Trace une fonction définie par morceaux de ƒ1 à ƒ9."},
    {2, u"Termes des fonctions"}, {4, u"  de"}, {5, u"  à"}, {6, u" Tracer les extrémités"}, {7, u"Mode angulaire"},
};

constexpr TextItem kFPlot3De[] = {
    {1, u"Gezeichnet wird eine Kurve, die in Parameterdarstellung gegeben ist."},
    {21, u"Parameter k von : "}, {22, u"  bis "},
};
constexpr TextItem kFPlot3En[] = {
    {1, u"Draws a curve given in parametric form."},
    {21, u"Parameter k from : "}, {22, u"  to "},
};
constexpr TextItem kFPlot3Fr[] = {
    {1, u"Trace une courbe donnée sous forme paramétrique."},
    {21, u"Paramètre k de : "}, {22, u"  à "},
};

constexpr TextItem kPolFktDe[] = {
    {1, u"Eine ganzrationale Funktion vom Grad ≤ 9 mit Brüchen als Koeffizienten wird untersucht.\n\n"
        u"ƒ(x) = a₉·x⁹ + a₈·x⁸ + ... + a₁·x + a₀"},
    {3, u"Integral"}, {20, u"Ableitungen"}, {21, u"Stammfunktion"}, {31, u"Nullstellen"}, {32, u"Extrema"},
    {33, u"Wendepunkte"}, {40, u"Weitere Suche grafisch mit"}, {41, u"Keine gefunden"},
    {42, u"Achsensymmetrisch zu"}, {43, u"Punktsymmetrisch zu"}, {44, u"Symmetrie"},
};
constexpr TextItem kPolFktEn[] = {
    {1, u"A polynomial function of degree ≤ 9 with fractions as coefficients is examined.\n\n"
        u"ƒ(x) = a₉·x⁹ + a₈·x⁸ + ... + a₁·x + a₀"},
    {3, u"Integral"}, {20, u"Derivatives"}, {21, u"Antiderivative"}, {31, u"Zeros"}, {32, u"Extrema"},
    {33, u"Points of inflection"}, {40, u"Further search graphically with"}, {41, u"None found"},
    {42, u"Axially symmetric to"}, {43, u"Point symmetric to"}, {44, u"Symmetry"},
};
constexpr TextItem kPolFktFr[] = {
    {1, u"Une fonction polynomiale de degré ≤ 9 à coefficients fractionnaires est étudiée.\n\n"
        u"ƒ(x) = a₉·x⁹ + a₈·x⁸ + ... + a₁·x + a₀"},
    {3, u"Intégrale"}, {20, u"Dérivées"}, {21, u"Primitive"}, {31, u"Zéros"}, {32, u"Extremums"},
    {33, u"Points d'inflexion"}, {40, u"Recherche graphique avec"}, {41, u"Aucun trouvé"},
    {42, u"Symétrie axiale par rapport à"}, {43, u"Symétrie centrale par rapport à"}, {44, u"Symétrie"},
};

constexpr TextItem kRatFktDe[] = {
    {1, u"Eine gebrochenrationale Funktion, deren Zähler und Nenner Polynome vom Grad ≤ 9 mit Brüchen als "
        u"Koeffizienten sind, wird untersucht."},
    {20, u"Ableitungen"}, {21, u"Stetige Fortsetzung"}, {31, u"Nullstellen"}, {32, u"Extrema"},
    {33, u"Wendepunkte"}, {40, u"Weitere Suche grafisch mit"}, {41, u"Keine gefunden"},
    {42, u"Achsensymmetrisch zu"}, {43, u"Punktsymmetrisch zu"}, {44, u"Symmetrie"},
    {60, u"Definitionslücken"}, {61, u"Behebbare Lücke"}, {62, u"Pol mit Vorzeichenwechsel"},
    {63, u"Pol ohne Vorzeichenwechsel"}, {64, u"senkrechte Asymptote"}, {70, u"Verhalten für"},
    {71, u"Waagerechte Asymptote"}, {72, u"Schiefe Asymptote"}, {73, u"Näherungskurve"},
};
constexpr TextItem kRatFktEn[] = {
    {1, u"A rational function whose numerator and denominator are polynomials of degree ≤ 9 with fractions "
        u"as coefficients is examined."},
    {20, u"Derivatives"}, {21, u"Continuous extension"}, {31, u"Zeros"}, {32, u"Extrema"},
    {33, u"Points of inflection"}, {40, u"Further search graphically with"}, {41, u"None found"},
    {42, u"Axially symmetric to"}, {43, u"Point symmetric to"}, {44, u"Symmetry"},
    {60, u"Gaps of the domain"}, {61, u"Removable gap"}, {62, u"Pole with change of sign"},
    {63, u"Pole without change of sign"}, {64, u"vertical asymptote"}, {70, u"Behaviour for"},
    {71, u"Horizontal asymptote"}, {72, u"Oblique asymptote"}, {73, u"Approximating curve"},
};
constexpr TextItem kRatFktFr[] = {
    {1, u"Une fonction rationnelle dont le numérateur et le dénominateur sont des polynômes de degré ≤ 9 à "
        u"coefficients fractionnaires est étudiée."},
    {20, u"Dérivées"}, {21, u"Prolongement continu"}, {31, u"Zéros"}, {32, u"Extremums"},
    {33, u"Points d'inflexion"}, {40, u"Recherche graphique avec"}, {41, u"Aucun trouvé"},
    {42, u"Symétrie axiale par rapport à"}, {43, u"Symétrie centrale par rapport à"}, {44, u"Symétrie"},
    {60, u"Valeurs interdites"}, {61, u"Trou supprimable"}, {62, u"Pôle avec changement de signe"},
    {63, u"Pôle sans changement de signe"}, {64, u"asymptote verticale"}, {70, u"Comportement pour"},
    {71, u"Asymptote horizontale"}, {72, u"Asymptote oblique"}, {73, u"Courbe d'approximation"},
};

constexpr TextItem kScharDe[] = {
    {1, u"Gezeichnet wird eine Kurvenschar mit Scharparameter k."},
    {21, u"k aus { "}, {22, u"oder k von :"}, {23, u"bis"}, {24, u"Schrittweite"},
};
constexpr TextItem kScharEn[] = {
    {1, u"A family of curves with the parameter k is drawn."},
    {21, u"k in { "}, {22, u"or k from :"}, {23, u"to"}, {24, u"Step"},
};
constexpr TextItem kScharFr[] = {
    {1, u"Une famille de courbes de paramètre k est tracée."},
    {21, u"k dans { "}, {22, u"ou k de :"}, {23, u"à"}, {24, u"Pas"},
};

constexpr TextItem kReihenDe[] = {
    {1, u"Gezeichnet wird eine als Reihe über  ƒ(x,k)  gegebene Funktion. Durch Verschieben um dy können Sie "
        u"verschiedene Approximationen vergleichen."},
    {11, u"k von"}, {12, u"bis"}, {13, u"verschoben um dy = "},
};
constexpr TextItem kReihenEn[] = {
    {1, u"A function given as a series over  ƒ(x,k)  is drawn. Shifting by dy lets you compare different "
        u"approximations."},
    {11, u"k from"}, {12, u"to"}, {13, u"shifted by dy = "},
};
constexpr TextItem kReihenFr[] = {
    {1, u"Une fonction donnée comme série sur  ƒ(x,k)  est tracée. Un décalage de dy permet de comparer "
        u"différentes approximations."},
    {11, u"k de"}, {12, u"à"}, {13, u"décalé de dy = "},
};

}  // namespace

// Called once from the area's registration.
void RegisterAnalysisTexts() {
  static const TextPageRegistration regs[] = {
      {IPolDiv, TextLanguage::German, kPolDivDe},     {IPolDiv, TextLanguage::English, kPolDivEn},
      {IPolDiv, TextLanguage::French, kPolDivFr},     {IPolyggT, TextLanguage::German, kPolyggTDe},
      {IPolyggT, TextLanguage::English, kPolyggTEn},  {IPolyggT, TextLanguage::French, kPolyggTFr},
      {IPolFak, TextLanguage::German, kPolFakDe},     {IPolFak, TextLanguage::English, kPolFakEn},
      {IPolFak, TextLanguage::French, kPolFakFr},     {IPolTrans, TextLanguage::German, kPolTransDe},
      {IPolTrans, TextLanguage::English, kPolTransEn}, {IPolTrans, TextLanguage::French, kPolTransFr},
      {IFolgen, TextLanguage::German, kFolgenDe},     {IFolgen, TextLanguage::English, kFolgenEn},
      {IFolgen, TextLanguage::French, kFolgenFr},     {IIter, TextLanguage::German, kIterDe},
      {IIter, TextLanguage::English, kIterEn},        {IIter, TextLanguage::French, kIterFr},
      {IPlot3d, TextLanguage::German, kPlot3dDe},     {IPlot3d, TextLanguage::English, kPlot3dEn},
      {IPlot3d, TextLanguage::French, kPlot3dFr},
      {IFPlot1, TextLanguage::German, kFPlot1De},     {IFPlot1, TextLanguage::English, kFPlot1En},
      {IFPlot1, TextLanguage::French, kFPlot1Fr},
      {IKudis, TextLanguage::German, kKudisDe},       {IKudis, TextLanguage::English, kKudisEn},
      {IKudis, TextLanguage::French, kKudisFr},
      {IInteg, TextLanguage::German, kIntegDe},       {IInteg, TextLanguage::English, kIntegEn},
      {IInteg, TextLanguage::French, kIntegFr},
      {IFPLot2, TextLanguage::German, kFPlot2De},     {IFPLot2, TextLanguage::English, kFPlot2En},
      {IFPLot2, TextLanguage::French, kFPlot2Fr},
      {IFPLot3, TextLanguage::German, kFPlot3De},     {IFPLot3, TextLanguage::English, kFPlot3En},
      {IFPLot3, TextLanguage::French, kFPlot3Fr},
      {IPolFkt, TextLanguage::German, kPolFktDe},     {IPolFkt, TextLanguage::English, kPolFktEn},
      {IPolFkt, TextLanguage::French, kPolFktFr},
      {IRatFkt, TextLanguage::German, kRatFktDe},     {IRatFkt, TextLanguage::English, kRatFktEn},
      {IRatFkt, TextLanguage::French, kRatFktFr},
      {ISchar, TextLanguage::German, kScharDe},       {ISchar, TextLanguage::English, kScharEn},
      {ISchar, TextLanguage::French, kScharFr},       {IReihen, TextLanguage::German, kReihenDe},
      {IReihen, TextLanguage::English, kReihenEn},    {IReihen, TextLanguage::French, kReihenFr},
  };
  (void)regs;
}

}  // namespace zw
