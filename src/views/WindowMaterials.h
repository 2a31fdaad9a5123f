#pragma once
// The window's named materials, "GLMateriaux": colours for every one and a picture the
// program paints itself at start (wood grain, ivory, stone, coins, paper...). The themes
// address them by index; a theme switches a texture on only when the option `Textures`
// asks for it.
#include "scene/TMaterialLibrary.h"

namespace vantorel {

// Indexes of the named materials, in library order.
enum TWindowMaterial : int {
    kMatBois = 0,
    kMatIvoire,
    kMatEbene,
    kMatBoisClair,
    kMatBoisAncien,
    kMatGateau1,
    kMatBougieRouge,
    kMatBougieBlanche,
    kMatLune,
    kMatGateau2,
    kMatSol,
    kMatPlaneteRouge,
    kMatHerbe,
    kMatEuros,
    kMatDollars,
    kMatTapisserie,
    kMatPierreNoire,
    kMatPierreBlanche,
    kMatPapierPeint,
    kMatFondMoyenAge,
    kMatMotifMoyenAge,
    kWindowMaterialCount
};

// Fills `library` (emptied first) with the named materials and their pictures, whose
// sides are powers of two.
void BuildWindowMaterials(scene::TMaterialLibrary& library);

// Named material `index` of the window's library, its texture on or off; colours only
// when the library lacks it.
scene::TMaterial NamedMaterial(const scene::TMaterialLibrary& library, int index, bool texture);

} // namespace vantorel
