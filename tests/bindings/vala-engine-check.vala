/* A Vala program on one engine library's generated bindings, built once per
 * engine (-D ENGINE_<name>): its provider is an IProvider of the contracts,
 * a profile it cannot serve fails in the engine's own error domain, and its
 * type map answers. */
using ProvidersContracts;

int main () {
	var refused = new Server ();
#if ENGINE_postgresql
	IProvider provider = new ProvidersPostgreSQL.PostgreSQLProvider ();
	/* Nothing listens there. */
	refused.host = "127.0.0.1";
	refused.port = 1;
	var domain = ProvidersPostgreSQL.PostgreSQLError.quark ();
	assert (ProvidersPostgreSQL.postgre_sql_type_name (1184) == "timestamptz");
	assert (ProvidersPostgreSQL.postgre_sql_type_data_type (1700) == DataType.DECIMAL);
#elif ENGINE_sqlite
	IProvider provider = new ProvidersSQLite.SQLiteProvider ();
	/* A profile without a file. */
	var domain = ProvidersSQLite.SQLiteError.quark ();
	assert (ProvidersSQLite.sq_lite_type_data_type ("unsigned big int") == DataType.INT64);
#endif
	assert (!provider.is_opened);
	try {
		provider.open (refused, "");
		assert_not_reached ();
	} catch (Error e) {
		assert (e.domain == domain);
		stdout.printf ("%s: %s\n", domain.to_string (), e.message);
	}
	return 0;
}
