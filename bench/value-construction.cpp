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

/* One value of each other family, made and released as a cell's is. */
template <typename Make>
void
made_and_released (benchmark::State &state, Make make)
{
  for (auto _ : state) {
    gpointer value = make ();
    benchmark::DoNotOptimize (value);
    g_object_unref (value);
  }
  state.SetItemsProcessed (state.iterations ());
}

void BM_ValueDateTime (benchmark::State &state)
{
  made_and_released (state, [] { return torvanix_providers_contracts_value_date_time_new_utc (2024, 5, 17, 10, 30, 0); });
}

void BM_ValueBinary (benchmark::State &state)
{
  static const guint8 bytes[] = {0xDE, 0xAD, 0xBE, 0xEF};
  made_and_released (state, [] { return torvanix_providers_contracts_value_binary_new (bytes, sizeof bytes); });
}

void BM_ValueEnum (benchmark::State &state)
{
  made_and_released (state, [] { return torvanix_providers_contracts_value_enum_new ("medium"); });
}

void BM_ValueGeometry (benchmark::State &state)
{
  made_and_released (state, [] { return torvanix_providers_contracts_value_geometry_new ("POINT(1 2)"); });
}

void BM_ValueTimeSpan (benchmark::State &state)
{
  made_and_released (state, [] { return torvanix_providers_contracts_value_time_span_new (86400); });
}

void BM_ValueDecimal (benchmark::State &state)
{
  made_and_released (state, [] { return torvanix_providers_contracts_value_decimal_new (12.5); });
}

/* Each class is registered before timing starts. */
void register_types ()
{
  g_type_class_unref (g_type_class_ref (floor_get_type ()));
  g_object_unref (torvanix_providers_contracts_value_int32_new (0));
  g_object_unref (torvanix_providers_contracts_value_string_new (""));
  g_object_unref (torvanix_providers_contracts_value_null_new ());
  g_object_unref (torvanix_providers_contracts_value_date_time_new_utc (2024, 5, 17, 10, 30, 0));
  g_object_unref (torvanix_providers_contracts_value_binary_new (nullptr, 0));
  g_object_unref (torvanix_providers_contracts_value_enum_new (""));
  g_object_unref (torvanix_providers_contracts_value_geometry_new (""));
  g_object_unref (torvanix_providers_contracts_value_time_span_new (0));
  g_object_unref (torvanix_providers_contracts_value_decimal_new (0));
}

}  // namespace

BENCHMARK (BM_FloorGObject);
BENCHMARK (BM_ValueInt32);
BENCHMARK (BM_ValueString);
BENCHMARK (BM_ValueNull);
BENCHMARK (BM_ValueDateTime);
BENCHMARK (BM_ValueBinary);
BENCHMARK (BM_ValueEnum);
BENCHMARK (BM_ValueGeometry);
BENCHMARK (BM_ValueTimeSpan);
BENCHMARK (BM_ValueDecimal);

int main (int argc, char **argv)
{
  register_types ();
  benchmark::Initialize (&argc, argv);
  if (benchmark::ReportUnrecognizedArguments (argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks ();
  benchmark::Shutdown ();
  return 0;
}
