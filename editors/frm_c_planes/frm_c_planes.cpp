#include "editors/frm_c_planes/frm_c_planes.h"

namespace zav {
namespace {

// The plane names, then the entry for none, which the campaign keeps as 255.
void fill_planes(PickList& list, const PlaneNames& names, const char* none) {
  list.entries.assign(names.begin(), names.end());
  list.entries.emplace_back(none);
  list.values.table.clear();
  for (int plane = 0; plane < static_cast<int>(names.size()); ++plane) {
    list.values.table.push_back(plane);
  }
  list.values.table.push_back(PlaneType::kNone);
}

}  // namespace

FrmCPlanes::FrmCPlanes(Globals& globals, Platform& platform, WindowRegistry& registry)
    : SectionEditor(globals, platform, registry) {
  for (NumberBox* box : {&txt_pstartphase, &txt_pendphase}) box->storage = Storage::byte();
  for (NumberBox* box : {&txt_planecount, &txt_planeproduction, &txt_planestartpoints}) {
    box->storage = Storage::word();
  }
}

void FrmCPlanes::open() {
  fill_planes(cbo_planeslotnum, globals_.names.plane_names, "NO AIRCRAFT");
  fill_planes(cbo_replacement, globals_.names.plane_names, "NO REPLACEMENT");
  stepper_.open(campaign().setup.num_plane_types, Campaign::kPlaneTypes);
}

void FrmCPlanes::show_plane_type(int index) {
  const PlaneType& type = campaign().plane_types[static_cast<std::size_t>(index)];
  cbo_planeslotnum.display(type.plane_slot);
  txt_pstartphase.display(type.start_phase);
  txt_pendphase.display(type.end_phase);
  cbo_replacement.display(type.replacement);
  txt_planecount.display(type.initial_planes);
  txt_planeproduction.display(type.production);
  txt_planestartpoints.display(type.start_points);
}

bool FrmCPlanes::store_plane_type(int index) {
  const NumberReading start_phase = txt_pstartphase.read();
  const NumberReading end_phase = txt_pendphase.read();
  const NumberReading initial_planes = txt_planecount.read();
  const NumberReading production = txt_planeproduction.read();
  const NumberReading start_points = txt_planestartpoints.read();
  if (tell_refusals(platform_,
                    {start_phase, end_phase, initial_planes, production, start_points})) {
    return false;
  }
  edit([&](Campaign& c) {
    PlaneType& type = c.plane_types[static_cast<std::size_t>(index)];
    store_value(cbo_planeslotnum.value(), type.plane_slot);
    store_value(start_phase.value, type.start_phase);
    store_value(end_phase.value, type.end_phase);
    store_value(cbo_replacement.value(), type.replacement);
    store_value(initial_planes.value, type.initial_planes);
    store_value(production.value, type.production);
    store_value(start_points.value, type.start_points);
  });
  return true;
}

}  // namespace zav
