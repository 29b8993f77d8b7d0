// Recommended values of the EN 1990 block of an annex parameter set.
#include "codes/nad_ec0.h"

#include <cstring>

// gamma sup/inf of the building actions, per situation.
static const double kGammaBuilding[4][7][2] = {
    {{1.35, 1.0}, {1.5, 0}, {1.35, 0}, {1.0, 0}, {1.0, 1.0}, {0, 0}, {0, 0}},
    {{1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 1.0}, {1.0, 1.0}, {0, 0}},
    {{1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 1.0}, {0, 0}, {1.0, 1.0}},
    {{1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 1.0}, {0, 0}, {0, 0}},
};

static const double kPsiBuilding[12][4] = {
    {0.7, 0.5, 0.3, 0.3}, {0.7, 0.7, 0.6, 0.6}, {1.0, 0.9, 0.8, 0.8}, {0.7, 0.7, 0.6, 0.6},
    {0.7, 0.5, 0.3, 0.3}, {0, 0, 0, 0},         {0.5, 0.2, 0, 0.5},   {0.7, 0.5, 0.2, 0.5},
    {0.6, 0.2, 0, 0},     {0.6, 0.5, 0, 0},     {1.0, 1.0, 1.0, 1.0}, {0.8, 0.7, 0.5, 0.5},
};

// Bridge actions: persistent situation; the other three share one column.
static const double kGammaBridgePersistent[15][2] = {
    {1.35, 1.0}, {1.0, 1.0}, {1.0, 1.0}, {1.2, 1.0}, {1.2, 0}, {1.35, 0}, {1.5, 0}, {1.5, 0},
    {1.45, 0},   {1.2, 0},   {1.5, 0},   {1.5, 0},   {1.5, 0}, {0, 0},    {0, 0},
};
static const double kGammaBridgeOther[15][2] = {
    {1.0, 1.0}, {1.0, 1.0}, {1.0, 1.0}, {1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 0},
    {1.0, 0},   {1.0, 0},   {1.0, 0},   {1.0, 0},   {1.0, 0}, {0, 0},   {0, 0},
};

static const double kPsiRoad[14][3] = {
    {0.75, 0.75, 0}, {0.4, 0.4, 0}, {0.4, 0.4, 0}, {0, 0.75, 0}, {0, 0, 0},     {0, 0.4, 0},     {0, 0, 0},
    {0, 0, 0},       {0.6, 0.2, 0}, {0.8, 0, 0},   {1.0, 0, 0},  {0.6, 0.6, 0.5}, {0.8, 0, 0},   {1.0, 0, 1.0},
};

static const double kPsiFoot[7][3] = {
    {0.4, 0.4, 0}, {0, 0, 0}, {0, 0, 0}, {0.3, 0.2, 0}, {0.6, 0.6, 0.5}, {0.8, 0, 0}, {1.0, 0, 1.0},
};

static const double kPsiRail[31][3] = {
    {0.8, -0.1, 0}, {0.8, -0.1, 0}, {0, 1.0, 0},   {1.0, 0, 0},   {1.0, 1.0, 0},   {1.0, 0.8, 0},
    {0.8, 0.5, 0},  {1.0, 1.0, 0},  {0.8, -0.2, 0}, {0.8, 0.5, 0}, {0.8, 0.8, 0},   {0.8, 0.8, 0},
    {0.8, 0.8, 0},  {0.8, 0.8, 0},  {0.8, 0.8, 0},  {0.8, 0.8, 0}, {0.8, 0.8, 0},   {0.8, 0.7, 0},
    {0.8, 0.7, 0},  {0.8, 0.7, 0},  {0.8, 0.7, 0},  {0.8, 0.7, 0}, {0.8, 0.7, 0},   {0.8, 0.6, 0},
    {0.8, 0.5, 0},  {0.8, 0.5, 0},  {0.75, 0.5, 0}, {1.0, 0, 0},   {0.6, 0.6, 0.5}, {0.8, 0, 0},
    {1.0, 0, 1.0},
};

int Default_NAD_EC0(NAD_EC0_Block* b) {
    if (!b) return 0;
    std::memset(b, 0, sizeof *b);
    b->version = 0;
    std::memcpy(b->gamma_building, kGammaBuilding, sizeof kGammaBuilding);
    std::memcpy(b->psi_building, kPsiBuilding, sizeof kPsiBuilding);
    std::memcpy(b->gamma_bridge[0], kGammaBridgePersistent, sizeof kGammaBridgePersistent);
    for (int s = 1; s < 4; ++s) std::memcpy(b->gamma_bridge[s], kGammaBridgeOther, sizeof kGammaBridgeOther);
    std::memcpy(b->psi_road_bridge, kPsiRoad, sizeof kPsiRoad);
    std::memcpy(b->psi_footbridge, kPsiFoot, sizeof kPsiFoot);
    std::memcpy(b->psi_railway_bridge, kPsiRail, sizeof kPsiRail);
    b->a_tracks[0] = 0.8;
    b->a_tracks[1] = 0.7;
    b->a_tracks[2] = 0.6;
    return 0;
}
