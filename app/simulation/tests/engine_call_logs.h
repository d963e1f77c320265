// What the recording fake engine logs for the program's own call sequences.
#pragma once

namespace engine_calls {

// The program's defaults handed to a freshly initialised engine.
inline constexpr const char *kStartUp = "MD_init(5,5,5)\n"
                                        "MD_set_clamp_on_off(1)\n"
                                        "MD_set_gravity(0.05)\n"
                                        "MD_set_temperature(200)\n"
                                        "MD_set_clamp_temp(200)\n"
                                        "MD_set_timestep(1)\n"
                                        "MD_set_clamp_on_off(1)\n"
                                        "MD_set_nr_of_materials(1)\n"
                                        "MD_set_potential_function(1)\n"
                                        "MD_get_atom_properties()\n"
                                        "MD_return_coordinates()\n";

// One tick of the loop at its start speed.
inline constexpr const char *kTick = "MD_do_run(5)\nMD_return_coordinates()\n";

} // namespace engine_calls
