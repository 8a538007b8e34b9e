/* What making and releasing one value object costs, beside the floor: the
 * same for a GObject subclass that holds nothing and has no properties.
 * Values are made once per cell of every result, so this is the library's
 * hottest path. */
#include <libproviders/providers.h>

#include <benchmark/benchmark.h>

namespace {

struct Floor {
  GObject parent_instance;
};
struct FloorClass {
  GObjectClass parent_class;
};

GType floor_get_type ();
G_DEFINE_TYPE (Floor, floor, G_TYPE_OBJECT)
void floor_class_init (FloorClass *) {}
void floor_init (Floor *) {}

void BM_FloorGObject (benchmark::State &state)
{
  GType type = floor_get_type ();
  for (auto _ : state) {
    gpointer object = g_object_new (type, nullptr);
    benchmark::DoNotOptimize (object);
    g_object_unref (object);
  }
  state.SetItemsProcessed (state.iterations ());
}

void BM_ValueInt32 (benchmark::State &state)
{
  gint32 n = 0;
  for (auto _ : state) {
    auto *value = torvanix_providers_contracts_value_int32_new (++n);
    benchmark::DoNotOptimize (value);
    g_object_unref (value);
  }
  state.SetItemsProcessed (state.iterations ());
}

void BM_ValueString (benchmark::State &state)
{
  for (auto _ : state) {
    auto *value = torvanix_providers_contracts_value_string_new ("a short cell text");
    benchmark::DoNotOptimize (value);
    g_object_unref (value);
  }
  state.SetItemsProcessed (state.iterations ());
}

void BM_ValueNull (benchmark::State &state)
{
  for (auto _ : state) {
    auto *value = torvanix_providers_contracts_value_null_new ();
    benchmark::DoNotOptimize (value);
    g_object_unref (value);
  }
  state.SetItemsProcessed (state.iterations ());
}

/* Each class is registered before timing starts. */
void register_types ()
{
  g_type_class_unref (g_type_class_ref (floor_get_type ()));
  g_object_unref (torvanix_providers_contracts_value_int32_new (0));
  g_object_unref (torvanix_providers_contracts_value_string_new (""));
  g_object_unref (torvanix_providers_contracts_value_null_new ());
}

}  // namespace

BENCHMARK (BM_FloorGObject);
BENCHMARK (BM_ValueInt32);
BENCHMARK (BM_ValueString);
BENCHMARK (BM_ValueNull);

int main (int argc, char **argv)
{
  register_types ();
  benchmark::Initialize (&argc, argv);
  if (benchmark::ReportUnrecognizedArguments (argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks ();
  benchmark::Shutdown ();
  return 0;
}
