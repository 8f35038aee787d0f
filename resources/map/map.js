// Route map of the player window and of the driving-record map window. The application drives
// it through global functions: moveMarker(lat, lng), showDebugText(text), setRoute(points) and
// setNoGps(on).
(function () {
    'use strict';

    var ACCENT = '#3d9bff';
    var CASING = '#0c3a6e';
    var STREET_ZOOM = 16;
    var ROUTE_MAX_ZOOM = 17;
    var TILE_URL = 'https://tile.openstreetmap.org/{z}/{x}/{y}.png';
    // A tile server that has not delivered one tile in this time counts as unreachable.
    var TILE_WAIT_MS = 10000;
    // Once tiles have loaded, only a run of failures means the network has gone.
    var FAILURES_WHILE_ONLINE = 6;

    var mapElement = document.getElementById('map');
    var offlineNote = document.getElementById('offline-note');
    var noGpsOverlay = document.getElementById('nogps');

    var map = L.map(mapElement, { minZoom: 2, maxZoom: 19, worldCopyJump: true });
    map.attributionControl.setPrefix('<a href="https://leafletjs.com">Leaflet</a>');
    map.setView([20, 0], 2);
    map.createPane('route').style.zIndex = 410;
    map.createPane('position').style.zIndex = 620;

    // Map tiles, and the fall-back to a coordinate grid when they cannot be fetched.
    var TILE_ATTRIBUTION = '&copy; <a href="https://www.openstreetmap.org/copyright">OpenStreetMap</a> contributors';
    var tiles = L.tileLayer(TILE_URL, {
        maxZoom: 19,
        attribution: TILE_ATTRIBUTION
    }).addTo(map);
    var graticule = L.graticule({
        labelTop: function () {
            return offlineNote.hidden ? 0 : offlineNote.offsetTop + offlineNote.offsetHeight;
        }
    });
    var offline = false;
    var tileLoaded = false;
    var failuresInRow = 0;

    function setOffline(on) {
        if (on === offline)
            return;
        offline = on;
        mapElement.classList.toggle('offline', on);
        offlineNote.hidden = !on;
        if (on)
            graticule.addTo(map);
        else
            map.removeLayer(graticule);
    }

    tiles.on('tileload', function () {
        tileLoaded = true;
        failuresInRow = 0;
        setOffline(false);
    });
    tiles.on('tileerror', function () {
        ++failuresInRow;
        if (!tileLoaded || failuresInRow >= FAILURES_WHILE_ONLINE)
            setOffline(true);
    });
    setTimeout(function () {
        if (!tileLoaded)
            setOffline(true);
    }, TILE_WAIT_MS);

    // The route of the recording: a casing under a bright line, and a dot where it starts.
    var routeStyle = { pane: 'route', interactive: false, lineJoin: 'round', lineCap: 'round' };
    var routeCasing = L.polyline([], L.extend({ color: CASING, weight: 8, opacity: 0.85 }, routeStyle)).addTo(map);
    var routeLine = L.polyline([], L.extend({ color: ACCENT, weight: 4, opacity: 1 }, routeStyle)).addTo(map);
    var routeStart = L.circleMarker([0, 0], {
        pane: 'route', interactive: false, radius: 4, weight: 2, color: CASING,
        fillColor: '#ffffff', fillOpacity: 1
    });
    var routePoints = [];
    var fitPending = false;

    // The car: an accent dot in a white ring with a soft halo.
    var marker = L.layerGroup([
        L.circleMarker([0, 0], {
            pane: 'position', interactive: false, radius: 15, stroke: false,
            fillColor: ACCENT, fillOpacity: 0.22
        }),
        L.circleMarker([0, 0], {
            pane: 'position', interactive: false, radius: 7, weight: 3, color: '#ffffff',
            opacity: 1, fillColor: ACCENT, fillOpacity: 1
        })
    ]);
    var position = null;
    var viewChosen = false;

    // Receivers without a fix report 0,0; such a point is no position at all.
    function validPosition(lat, lng) {
        return isFinite(lat) && isFinite(lng) && Math.abs(lat) <= 90 && Math.abs(lng) <= 180 &&
            !(lat === 0 && lng === 0);
    }

    // Leaflet cannot compute a zoom for a view that is not laid out (a hidden panel).
    function hasRoom() {
        var size = map.getSize();
        return size.x >= 80 && size.y >= 80;
    }

    function fitRoute() {
        if (routePoints.length === 0)
            return;
        if (!hasRoom()) {
            fitPending = true;
            return;
        }
        fitPending = false;
        map.fitBounds(L.latLngBounds(routePoints), {
            padding: [28, 28], maxZoom: ROUTE_MAX_ZOOM, animate: false
        });
        viewChosen = true;
    }

    function keepInView(point) {
        if (!viewChosen) {
            map.setView(point, STREET_ZOOM, { animate: false });
            viewChosen = true;
            return;
        }
        if (!hasRoom())
            return;
        if (!map.getBounds().pad(-0.2).contains(point))
            map.panTo(point, { animate: true, duration: 0.25 });
    }

    map.on('resize', function () {
        if (fitPending)
            fitRoute();
        else if (position && map.hasLayer(marker))
            keepInView(position);
    });

    // The page's words in the program's language; the page itself holds the English ones.
    window.pageTexts = { event: 'Event %1' };
    function setTexts(texts) {
        if (texts.offline)
            offlineNote.textContent = String(texts.offline);
        if (texts.noGps)
            noGpsOverlay.querySelector('.title').textContent = String(texts.noGps);
        if (texts.event)
            window.pageTexts.event = String(texts.event);
    }

    function setNoGps(on) {
        noGpsOverlay.hidden = !on;
        if (on)
            map.removeLayer(marker);
    }

    function moveMarker(lat, lng) {
        var latitude = parseFloat(lat);
        var longitude = parseFloat(lng);
        if (!validPosition(latitude, longitude)) {
            console.log('moveMarker: no position in (' + lat + ', ' + lng + ')');
            return;
        }
        setNoGps(false);
        position = L.latLng(latitude, longitude);
        marker.eachLayer(function (layer) { layer.setLatLng(position); });
        marker.addTo(map);
        keepInView(position);
    }

    function setRoute(points) {
        routePoints = [];
        (Array.isArray(points) ? points : []).forEach(function (point) {
            if (!Array.isArray(point) || point.length < 2)
                return;
            var lat = Number(point[0]);
            var lng = Number(point[1]);
            if (validPosition(lat, lng))
                routePoints.push(L.latLng(lat, lng));
        });
        routeCasing.setLatLngs(routePoints);
        routeLine.setLatLngs(routePoints);
        fitPending = false;
        if (routePoints.length === 0) {
            map.removeLayer(routeStart);
            // The next position of a recording without a route picks its own view.
            viewChosen = false;
            return;
        }
        routeStart.setLatLng(routePoints[0]).addTo(map);
        setNoGps(false);
        fitRoute();
    }

    // A tile server of the user's own ('' for the default one). Its attribution is the user's
    // plain text, so it is shown as text; the grid takes over again if it delivers nothing.
    function setTileServer(url, attribution) {
        var text = document.createElement('span');
        text.textContent = attribution || '';
        var shown = url ? text.innerHTML : TILE_ATTRIBUTION;
        map.attributionControl.removeAttribution(tiles.options.attribution);
        tiles.options.attribution = shown;
        map.attributionControl.addAttribution(shown);
        tileLoaded = false;
        failuresInRow = 0;
        tiles.setUrl(url || TILE_URL);
    }

    // Diagnostics go to the console only; the user sees the page's own notices.
    function showDebugText(text) {
        console.log(String(text));
    }

    // What the page shows now, for the application and its checks.
    function mapState() {
        var center = map.getCenter();
        var point = position ? map.latLngToContainerPoint(position) : null;
        return {
            position: position ? [position.lat, position.lng] : null,
            markerVisible: map.hasLayer(marker),
            markerInView: !!position && map.getBounds().contains(position),
            markerPoint: point ? [point.x, point.y] : null,
            routeLength: routePoints.length,
            offline: offline,
            offlineNote: offlineNote.hidden ? '' : offlineNote.textContent,
            noGps: !noGpsOverlay.hidden,
            texts: { offline: offlineNote.textContent,
                     noGps: noGpsOverlay.querySelector('.title').textContent,
                     event: window.pageTexts.event },
            gridSteps: offline ? graticule.steps() : null,
            latitudeLabels: offline ? graticule.labelledLatitudes() : [],
            offlineNoteBottom: offlineNote.hidden ? 0 : offlineNote.offsetTop + offlineNote.offsetHeight,
            zoom: map.getZoom(),
            center: [center.lat, center.lng]
        };
    }

    window.moveMarker = moveMarker;
    window.showDebugText = showDebugText;
    window.setNoGps = setNoGps;
    window.setTexts = setTexts;
    window.setRoute = setRoute;
    window.mapState = mapState;
    window.setTileServer = setTileServer;
    // For the page's other layers (the trip's route).
    window.routeMap = map;
})();
